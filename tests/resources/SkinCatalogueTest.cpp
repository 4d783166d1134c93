#include "EdImg.h"
#include "EdUiFont.h"
#include "SkinCatalogue.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

// The skin as the program sees it: what is compiled into the resources, loaded by id.

TEST(SkinCatalogueTest, EveryImageLoadsAtItsCatalogueSize)
{
    for (const skin::Entry& entry : skin::Catalogue()) {
        CEdImg image;
        ASSERT_TRUE(image.LoadFromResource(entry.id)) << entry.id;
        EXPECT_EQ(image.GetWidth(), entry.size.width()) << entry.id;
        EXPECT_EQ(image.GetHeight(), entry.size.height()) << entry.id;
        EXPECT_EQ(entry.size.width() % entry.frames, 0) << entry.id << ": frames of unequal width";
    }
}

TEST(SkinCatalogueTest, CoversTheWholeIdRange)
{
    std::vector<unsigned> ids;
    for (const skin::Entry& entry : skin::Catalogue())
        ids.push_back(entry.id);
    std::vector<unsigned> expected;
    for (unsigned id = 1000; id <= 1063; ++id)
        expected.push_back(id);
    for (unsigned id : {1092u, 1093u, 1094u, 1095u, 1097u, 1098u, 1099u})
        expected.push_back(id);
    EXPECT_EQ(ids, expected);
}

// A state that looks like another is a state the user cannot see.
TEST(SkinCatalogueTest, EveryFrameOfAStripDiffersFromTheOthers)
{
    for (const skin::Entry& entry : skin::Catalogue()) {
        if (entry.frames < 2)
            continue;
        CEdImg image;
        ASSERT_TRUE(image.LoadFromResource(entry.id));
        const int w = image.GetWidth() / entry.frames;
        for (int a = 0; a < entry.frames; ++a)
            for (int b = a + 1; b < entry.frames; ++b)
                EXPECT_NE(image.GetImage().copy(a * w, 0, w, image.GetHeight()),
                          image.GetImage().copy(b * w, 0, w, image.GetHeight()))
                    << entry.id << ": frames " << a << " and " << b;
    }
}

TEST(SkinCatalogueTest, DialogBackgroundsAreOpaque)
{
    for (unsigned id : {1092u, 1095u, 1097u, 1098u, 1099u}) {
        CEdImg image;
        ASSERT_TRUE(image.LoadFromResource(id));
        EXPECT_FALSE(image.GetImage().hasAlphaChannel() &&
                     image.GetImage().convertToFormat(QImage::Format_ARGB32).pixelColor(0, 0).alpha() < 255)
            << id;
    }
}

TEST(SkinCatalogueTest, EditorFontIsAnOutlineFont)
{
    const QFont font = EdUiFontPoints(10);
    const QFontInfo info(font);
    EXPECT_TRUE(info.family() == "Segoe UI" || info.family() == "Arial" || info.family() == "Liberation Sans")
        << info.family().toStdString();
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName())) << info.family().toStdString();
}
