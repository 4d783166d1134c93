#include "EdNameEdit.h"
#include "EdPedalEdit.h"
#include "EdWindowMessage.h"

#include <QAction>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The window an edit lives in: it records the messages posted to it and any key that leaks out
// of the edit, and carries shortcuts like the program's (memory keys, New, Undo, Delete).
class Window : public QWidget
{
public:
    Window()
    {
        resize(200, 100);
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_1), QKeySequence(Qt::CTRL | Qt::Key_N),
                                         QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Delete),
                                         QKeySequence(Qt::Key_Backspace)}) {
            auto* action = new QAction(this);
            action->setShortcut(keys);
            connect(action, &QAction::triggered, this, [this] { ++shortcutsFired; });
            addAction(action);
        }
    }

    std::vector<unsigned> messages;
    int keysSeen = 0;
    int shortcutsFired = 0;

protected:
    bool event(QEvent* event) override
    {
        if (const unsigned message = CEdWindowMessage::MessageOf(event)) {
            messages.push_back(message);
            return true;
        }
        return QWidget::event(event);
    }
    void keyPressEvent(QKeyEvent*) override { ++keysSeen; }
    void keyReleaseEvent(QKeyEvent*) override { ++keysSeen; }
};

class EditFixture : public testing::Test
{
protected:
    template <typename Edit>
    Edit* Open()
    {
        auto* edit = new Edit(&window);
        edit->setGeometry(10, 10, 100, 24);
        edit->setText("64");
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        return edit;
    }

    Window window;
};

struct KeyCase
{
    const char* name;
    bool pedal;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    unsigned expected;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditKeys : public EditFixture, public testing::WithParamInterface<KeyCase>
{
};

TEST_P(EditKeys, PostsItsMessageAndKeepsTheKey)
{
    const KeyCase& c = GetParam();
    QLineEdit* edit = c.pedal ? static_cast<QLineEdit*>(Open<CEdPedalEdit>()) : Open<CEdNameEdit>();
    QTest::keyClick(edit, c.key, c.modifiers);
    // Posted, not sent: the window sees it once the current event is over.
    EXPECT_TRUE(window.messages.empty());
    QCoreApplication::sendPostedEvents(&window);
    if (c.expected)
        EXPECT_EQ(window.messages, std::vector<unsigned>{c.expected});
    else
        EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(edit->text(), "64") << "a control key inserted something";
    EXPECT_TRUE(edit->hasFocus()) << "Tab moved the focus";
    EXPECT_EQ(window.keysSeen, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edits, EditKeys, testing::Values(
    //     name                 pedal  key              modifiers            message
    KeyCase{"pedal_tab",        true,  Qt::Key_Tab,     Qt::NoModifier,      WM_PEDALEDIT_NEXT},
    KeyCase{"pedal_backtab",    true,  Qt::Key_Backtab, Qt::ShiftModifier,   WM_PEDALEDIT_PREVIOUS},
    KeyCase{"pedal_shift_tab",  true,  Qt::Key_Tab,     Qt::ShiftModifier,   WM_PEDALEDIT_PREVIOUS},
    KeyCase{"pedal_return",     true,  Qt::Key_Return,  Qt::NoModifier,      WM_PEDALEDIT_CLOSE},
    KeyCase{"pedal_enter",      true,  Qt::Key_Enter,   Qt::KeypadModifier,  WM_PEDALEDIT_CLOSE},
    KeyCase{"pedal_escape",     true,  Qt::Key_Escape,  Qt::NoModifier,      WM_PEDALEDIT_CLOSE},
    KeyCase{"name_return",      false, Qt::Key_Return,  Qt::NoModifier,      WM_NAMEEDIT_CLOSE},
    KeyCase{"name_escape",      false, Qt::Key_Escape,  Qt::NoModifier,      WM_NAMEEDIT_CLOSE},
    KeyCase{"name_tab",         false, Qt::Key_Tab,     Qt::NoModifier,      0u}),
    [](const testing::TestParamInfo<KeyCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST(WindowMessage, Values)
{
    EXPECT_EQ(WM_PEDALEDIT_CLOSE, 0x601u);
    EXPECT_EQ(WM_NAMEEDIT_CLOSE, 0x602u);
    EXPECT_EQ(WM_PEDALEDIT_NEXT, 0x603u);
    EXPECT_EQ(WM_PEDALEDIT_PREVIOUS, 0x604u);
    EXPECT_EQ(CEdWindowMessage::MessageOf(nullptr), 0u);
    QEvent other(QEvent::User);
    EXPECT_EQ(CEdWindowMessage::MessageOf(&other), 0u);
}

TEST_F(EditFixture, TypedKeysActOnTheTextAndNeverReachTheProgram)
{
    CEdNameEdit* edit = Open<CEdNameEdit>();
    edit->selectAll();
    QTest::keyClicks(edit, "Soft 1");
    EXPECT_EQ(edit->text(), "Soft 1");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "Soft ");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "oft ");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "Soft ");
    QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(window.shortcutsFired, 0);
    EXPECT_EQ(window.keysSeen, 0);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(EditFixture, ShortcutsWorkAgainOnceTheEditIsGone)
{
    std::unique_ptr<CEdPedalEdit> edit(Open<CEdPedalEdit>());
    QTest::keyClick(edit.get(), Qt::Key_1);
    EXPECT_EQ(window.shortcutsFired, 0);
    edit.reset();
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_EQ(window.shortcutsFired, 1);
}

TEST(WindowMessage, AnEditWithoutParentPostsNothing)
{
    CEdPedalEdit edit;
    QTest::keyClick(&edit, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    SUCCEED();
}

} // namespace
