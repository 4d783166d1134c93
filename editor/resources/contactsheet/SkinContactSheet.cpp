// Renders the contact sheet of the skin: every image as compiled into the resources, every
// control in each of its states, and the screens and dialogs put together from them.
//   tovin_skin_sheet <output.png> [scale]

#include "EdImgButton.h"
#include "EdImgPicture.h"
#include "EdImgPower.h"
#include "EdImgText.h"
#include "EdNameEdit.h"
#include "EdOutputButton.h"
#include "EdPedalEdit.h"
#include "EdTextStatic.h"
#include "EdUiFont.h"
#include "SkinCatalogue.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace
{
const QColor kSheet(0xF3, 0xF3, 0xF3);
const QColor kLabel(0x55, 0x55, 0x55);

// A plain widget that paints a vertical gradient, like the windows' backgrounds, plus any
// drawing a mock-up adds over it.
class Backdrop : public QWidget
{
public:
    Backdrop(QSize size, QColor top, QColor bottom, QWidget* parent = nullptr)
        : QWidget(parent)
        , m_top(top)
        , m_bottom(bottom)
    {
        resize(size);
    }

    std::function<void(QPainter&)> overlay;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, m_top);
        g.setColorAt(1, m_bottom);
        p.fillRect(rect(), g);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        if (overlay)
            overlay(p);
    }

private:
    QColor m_top, m_bottom;
};

const QColor kWinTop(0xEE, 0xEE, 0xEE);
const QColor kWinBottom(0xCD, 0xCD, 0xCD);

template <typename Button = CEdImgButton>
Button* MakeButton(QWidget* parent, unsigned id, int frames, QPoint at)
{
    auto* b = new Button(parent);
    b->LoadImages(id, frames);
    b->setGeometry(QRect(at, b->GetFrameRect().size()));
    return b;
}

CEdImgPicture* MakePicture(QWidget* parent, unsigned id, QRect where)
{
    auto* p = new CEdImgPicture(parent);
    p->LoadImage(id);
    p->setGeometry(where.isEmpty() ? QRect(where.topLeft(), p->GetImageRect().size()) : where);
    return p;
}

void Text(QPainter& p, const QRectF& box, int pixels, QColor colour, int flags, const QString& text,
          QFont::Weight weight = QFont::Normal)
{
    QFont font = EdUiFontPixels(pixels);
    font.setWeight(weight);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void Stretch(QPainter& p, unsigned id, const QRectF& target)
{
    CEdImg img;
    img.LoadFromResource(id);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, img.GetImage());
    p.restore();
}

class Sheet
{
public:
    explicit Sheet(int width)
        : m_image(width, 6000, QImage::Format_ARGB32_Premultiplied)
        , m_painter(&m_image)
    {
        m_image.fill(kSheet);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }

    void Heading(const QString& text)
    {
        m_y += 18;
        Text(m_painter, QRectF(24, m_y, m_image.width() - 48, 26), 18, QColor(0x22, 0x22, 0x22),
             Qt::AlignLeft | Qt::AlignVCenter, text, QFont::DemiBold);
        m_y += 30;
        m_painter.fillRect(QRectF(24, m_y, m_image.width() - 48, 1), QColor(0xCC, 0xCC, 0xCC));
        m_y += 12;
    }

    void Caption(const QRectF& box, const QString& text)
    {
        Text(m_painter, box, 11, kLabel, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }

    // Draws a widget (and its children) at the given place.
    void Place(QWidget& widget, QPoint at)
    {
        widget.setAttribute(Qt::WA_DontShowOnScreen);
        widget.show();
        widget.render(&m_painter, at);
    }

    // A row of cells of a fixed width, each with a caption under it; returns to the left margin.
    int CellRow(int cellWidth, int cellHeight, const std::vector<std::function<void(QPoint)>>& cells,
                const QStringList& captions, const QString& title)
    {
        Caption(QRectF(24, m_y, 190, cellHeight + 16), title);
        int x = 220;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (x + cellWidth > m_image.width() - 24) {
                x = 220;
                m_y += cellHeight + 24;
            }
            cells[i](QPoint(x, m_y));
            if (i < static_cast<std::size_t>(captions.size()))
                Caption(QRectF(x, m_y + cellHeight + 3, cellWidth, 16), captions[static_cast<qsizetype>(i)]);
            x += cellWidth + 14;
        }
        m_y += cellHeight + 28;
        return m_y;
    }

    QPainter& Painter() { return m_painter; }
    int& Y() { return m_y; }
    int Width() const { return m_image.width(); }

    QImage Finish()
    {
        m_painter.end();
        return m_image.copy(0, 0, m_image.width(), m_y + 24);
    }

private:
    QImage m_image;
    QPainter m_painter;
    int m_y = 10;
};

// Light window backgrounds for light controls, the dark toolbar for toolbar tiles.
bool OnDarkToolbar(unsigned id)
{
    return (id >= 1010 && id <= 1013) || (id >= 1016 && id <= 1024) || id == 1054 || id == 1055 || id == 1060;
}

QStringList StateNames(int frames, bool output)
{
    if (output)
        return {"off", "on", "hover (over either)"};
    switch (frames) {
    case 2: return {"normal", "active"};
    case 3: return {"normal", "active", "hover"};
    default: return {"normal", "active", "hover", "disabled look"};
    }
}

void ControlStates(Sheet& sheet)
{
    sheet.Heading("Image buttons in each state (CEdImgButton, CEdOutputButton)");
    const int pad = 8;
    const int gap = 10;
    int x = 24;
    int rowHeight = 0;
    for (const skin::Entry& e : skin::Catalogue()) {
        if (e.frames < 2 || e.id == 1009)
            continue;
        const bool output = e.id >= 1045 && e.id <= 1047;
        const QStringList names = StateNames(e.frames, output);
        const QSize frame(e.size.width() / e.frames, e.size.height());
        const int cellWidth = std::max(frame.width() + 2 * pad, 62);
        const int blockWidth = static_cast<int>(names.size()) * (cellWidth + gap);
        const int blockHeight = 16 + frame.height() + 2 * pad + 18;
        if (x + blockWidth > sheet.Width() - 24) {
            x = 24;
            sheet.Y() += rowHeight + 14;
            rowHeight = 0;
        }
        sheet.Caption(QRectF(x, sheet.Y(), blockWidth, 16), QStringLiteral("%1  %2").arg(e.id).arg(e.role));
        for (int state = 0; state < names.size(); ++state) {
            const QColor top = OnDarkToolbar(e.id) ? QColor(0x3A, 0x3A, 0x3A) : kWinTop;
            const QColor bottom = OnDarkToolbar(e.id) ? QColor(0x2A, 0x2A, 0x2A) : kWinBottom;
            Backdrop back(QSize(cellWidth, frame.height() + 2 * pad), top, bottom);
            CEdImgButton* b = output ? MakeButton<CEdOutputButton>(&back, e.id, e.frames, {(cellWidth - frame.width()) / 2, pad})
                                     : MakeButton(&back, e.id, e.frames, {(cellWidth - frame.width()) / 2, pad});
            b->SetActive(state == 1);
            b->SetHighlight(state == 2);
            b->SetEnabledLook(state != 3);
            const QPoint at(x + state * (cellWidth + gap), sheet.Y() + 16);
            sheet.Place(back, at);
            sheet.Caption(QRectF(at.x(), at.y() + back.height() + 2, cellWidth + gap, 16), names[state]);
        }
        x += blockWidth + 26;
        rowHeight = std::max(rowHeight, blockHeight);
    }
    sheet.Y() += rowHeight + 20;
}

void Pictures(Sheet& sheet)
{
    sheet.Heading("Pictures, strips and bitmaps as compiled (checkerboard shows transparency)");
    int x = 24;
    int rowHeight = 0;
    for (const skin::Entry& e : skin::Catalogue()) {
        if (e.frames > 1 && e.id != 1009)
            continue;
        QSize shown = e.size;
        // Thin strips are stretched by the windows; show them the way a window would.
        if (shown.width() <= 2)
            shown = QSize(60, std::max(shown.height(), 6));
        const int cellW = std::max(shown.width(), 120);
        if (x + cellW > sheet.Width() - 24) {
            x = 24;
            sheet.Y() += rowHeight + 52;
            rowHeight = 0;
        }
        QPainter& p = sheet.Painter();
        const QRect target(QPoint(x, sheet.Y()), shown);
        for (int cy = 0; cy < shown.height(); cy += 6)
            for (int cx = 0; cx < shown.width(); cx += 6)
                p.fillRect(QRect(x + cx, sheet.Y() + cy, std::min(6, shown.width() - cx), std::min(6, shown.height() - cy)),
                           ((cx + cy) / 6) % 2 ? QColor(0xE4, 0xE4, 0xE4) : QColor(0xFF, 0xFF, 0xFF));
        Stretch(p, e.id, target);
        sheet.Caption(QRectF(x, sheet.Y() + shown.height() + 3, cellW, 46),
                      QStringLiteral("%1  %2\n%3 x %4").arg(e.id).arg(e.role).arg(e.size.width()).arg(e.size.height()));
        x += cellW + 18;
        rowHeight = std::max(rowHeight, shown.height());
    }
    sheet.Y() += rowHeight + 44;
}

void TextControls(Sheet& sheet)
{
    sheet.Heading("Power indicator, texts and edits");
    std::vector<std::function<void(QPoint)>> power;
    QStringList memories;
    for (int i = 0; i < 5; ++i) {
        power.push_back([&sheet, i](QPoint at) {
            Backdrop back(QSize(46, 46), QColor(0xCD, 0xCD, 0xCD), QColor(0xCC, 0xCC, 0xCC));
            auto* ind = new CEdImgPower(&back);
            ind->LoadImage(1009);
            ind->SetFrame(i);
            ind->setGeometry(QRect(QPoint(8, 8), ind->GetFrameRect().size()));
            sheet.Place(back, at);
        });
        memories << QStringLiteral("memory %1").arg(i + 1);
    }
    sheet.CellRow(60, 46, power, memories, "1009  CEdImgPower, SetFrame(0..4)");

    std::vector<std::function<void(QPoint)>> texts;
    // The curve name field, with a name that fits and one that has to end in an ellipsis.
    for (const char* curveName : {"Expressive", "A curve with a rather long name"}) {
        texts.push_back([&sheet, curveName](QPoint at) {
            Backdrop back(QSize(150, 46), kWinTop, kWinBottom);
            auto* name = new CEdImgText(&back);
            name->LoadImage(1026);
            name->setGeometry(8, 8, 130, 30);
            name->setText(curveName);
            sheet.Place(back, at);
        });
    }
    texts.push_back([&sheet](QPoint at) {
        Backdrop back(QSize(100, 46), kWinTop, kWinBottom);
        auto* box = new CEdImgText(&back);
        box->LoadImage(1053);
        box->setGeometry(8, 11, 51, 24);
        box->setText("64");
        MakeButton(&back, 1054, 3, {60, 11});
        MakeButton(&back, 1055, 3, {60, 23});
        sheet.Place(back, at);
    });
    texts.push_back([&sheet](QPoint at) {
        Backdrop back(QSize(220, 46), kWinTop, kWinBottom);
        auto* caption = new CEdTextStatic(&back);
        caption->setText("Pedal CC#");
        caption->SetFontSize(13);
        caption->setGeometry(QRect(QPoint(8, 8), caption->CalcTextRect().size()));
        auto* small = new CEdTextStatic(&back);
        small->setText("9 pt default, grey");
        small->SetTextColor(0xFF777777);
        small->setGeometry(QRect(QPoint(120, 14), small->CalcTextRect().size()));
        sheet.Place(back, at);
    });
    texts.push_back([&sheet](QPoint at) {
        Backdrop back(QSize(150, 46), kWinTop, kWinBottom);
        auto* name = new CEdImgText(&back);
        name->LoadImage(1026);
        name->setGeometry(8, 8, 130, 30);
        auto* edit = new CEdNameEdit(&back);
        edit->setGeometry(9, 9, 127, 27);
        edit->setFont(EdUiFontPixels(12));
        edit->setText("Expressive");
        edit->selectAll();
        sheet.Place(back, at);
    });
    texts.push_back([&sheet](QPoint at) {
        Backdrop back(QSize(100, 46), kWinTop, kWinBottom);
        auto* box = new CEdImgText(&back);
        box->LoadImage(1053);
        box->setGeometry(8, 11, 51, 24);
        auto* edit = new CEdPedalEdit(&back);
        edit->setGeometry(9, 12, 49, 22);
        edit->setFont(EdUiFontPixels(13));
        edit->setText("67");
        sheet.Place(back, at);
    });
    sheet.CellRow(220, 46, texts,
                  {"CEdImgText on 1026", "cut with an ellipsis", "value box 1053 + arrows", "CEdTextStatic",
                   "CEdNameEdit (renaming)", "CEdPedalEdit"},
                  "Texts and edits");
}

// The MIDI setting screen with the menu and footer, placed as the windows place them.
void MainWindowMock(Sheet& sheet, bool withLightbox)
{
    Backdrop frame(QSize(640, 480), kWinTop, kWinBottom);
    auto* menu = new Backdrop(QSize(45, 450), kWinTop, kWinBottom, &frame);
    menu->move(0, 0);
    for (int i = 0; i < 3; ++i) {
        CEdImgButton* b = MakeButton(menu, 1000 + static_cast<unsigned>(i), 3, {0, 45 * i});
        b->SetActive(i == 2);
    }
    auto* footer = new Backdrop(QSize(640, 30), QColor(0xCD, 0xCD, 0xCD), QColor(0xCC, 0xCC, 0xCC), &frame);
    footer->move(0, 450);
    MakeButton(footer, 1003, 3, {0, 0});
    for (int i = 0; i < 5; ++i)
        MakeButton(footer, 1004 + static_cast<unsigned>(i), 3, {320 - 90 + 30 * i, 0})->SetActive(i == 1);
    auto* power = new CEdImgPower(footer);
    power->LoadImage(1009);
    power->SetFrame(1);
    power->setGeometry(QRect(QPoint(380, 0), power->GetFrameRect().size()));

    auto* screen = new Backdrop(QSize(595, 450), kWinTop, kWinBottom, &frame);
    screen->move(45, 0);
    const int c = 595 / 2;
    const QStringList headers{"MIDI Transmit Channel", "Pedal CC#", "Output Setting"};
    const int headerY[] = {10, 110, 280};
    for (int i = 0; i < 3; ++i) {
        auto* h = new CEdTextStatic(screen);
        h->setText(headers[i]);
        h->SetFontSize(13);
        h->setGeometry(QRect(QPoint(25, headerY[i]), h->CalcTextRect().size()));
    }
    MakePicture(screen, 1027, QRect(25, 100, 595 - 55, 2));
    MakePicture(screen, 1027, QRect(25, 270, 595 - 55, 2));
    for (int ch = 0; ch < 16; ++ch)
        MakeButton(screen, 1029 + static_cast<unsigned>(ch), 3, {c - 240 + 30 * ch, 50})->SetActive(ch == 0);
    const int pedalX[] = {c - 40 - 30 - 80, c - 40, c + 40 + 30};
    const int values[] = {67, 66, 64};
    for (int i = 0; i < 3; ++i) {
        MakePicture(screen, 1050 + static_cast<unsigned>(i), QRect(pedalX[i], 110, 0, 0));
        auto* box = new CEdImgText(screen);
        box->LoadImage(1053);
        box->setGeometry(pedalX[i] + 3, 110 + 90 + 26, 51, 24);
        box->setText(QString::number(values[i]));
        MakeButton(screen, 1054, 3, {pedalX[i] + 3 + 51 + 1, 226});
        MakeButton(screen, 1055, 3, {pedalX[i] + 3 + 51 + 1, 238});
    }
    screen->overlay = [pedalX](QPainter& p) {
        const QStringList names{"Left Pedal", "Center Pedal", "Right Pedal"};
        for (int i = 0; i < 3; ++i)
            Text(p, QRectF(pedalX[i] - 15, 200, 110, 20), 12, QColor(0x55, 0x55, 0x55),
                 Qt::AlignHCenter | Qt::AlignBottom, names[i]);
    };
    MakePicture(screen, 1048, QRect(35, 320, 0, 0));
    MakePicture(screen, 1049, QRect(c, 320, 0, 0));
    const bool on[] = {true, false, false, true, true};
    const unsigned ids[] = {1045, 1046, 1047, 1045, 1046};
    const QPoint at[] = {{110, 320}, {110, 345}, {110, 370}, {c + 75, 332}, {c + 75, 357}};
    for (int i = 0; i < 5; ++i) {
        auto* s = MakeButton<CEdOutputButton>(screen, ids[i], 3, at[i]);
        s->SetActive(on[i]);
        s->SetHighlight(i == 1);
    }
    if (withLightbox) {
        frame.overlay = nullptr;
        sheet.Place(frame, QPoint(24, sheet.Y()));
        QPainter& p = sheet.Painter();
        p.save();
        p.setOpacity(100.0 / 255.0);
        Stretch(p, 1099, QRectF(24, sheet.Y(), 640, 480));
        p.restore();
    } else {
        sheet.Place(frame, QPoint(24, sheet.Y()));
    }
}

void ConnectDialog(Sheet& sheet, QPoint at)
{
    Backdrop dlg(QSize(326, 248), Qt::white, Qt::white);
    dlg.overlay = [](QPainter& p) {
        Stretch(p, 1097, QRectF(0, 0, 326, 248));
        Text(p, QRectF(120, 0, 206, 30), 14, QColor(0xBB, 0xBB, 0xBB), Qt::AlignLeft | Qt::AlignVCenter,
             "NOT CONNECTED");
        const QStringList lines{"Your QJX1 is not connected.", "Please connect your QJX1 to your computer,",
                                "then click the Sync button to start synchronizing.",
                                "Click the Demo button to use the editor without", "connecting the QJX1.",
                                "Any settings made in demo mode will not be saved."};
        for (int i = 0; i < lines.size(); ++i)
            Text(p, QRectF(10, 40 + 20 * i, 306, 20), 12, Qt::black, Qt::AlignLeft | Qt::AlignTop, lines[i]);
    };
    CEdImgButton* sync = MakeButton(&dlg, 1057, 3, {0, 0});
    sync->move(326 - sync->width(), 248 - sync->height());
    CEdImgButton* demo = MakeButton(&dlg, 1062, 3, {0, 0});
    demo->move(326 - demo->width(), sync->y() - demo->height());
    sheet.Place(dlg, at);
}

void SyncDialog(Sheet& sheet, QPoint at)
{
    Backdrop dlg(QSize(318, 179), Qt::black, Qt::black);
    dlg.overlay = [](QPainter& p) {
        Stretch(p, 1098, QRectF(0, 0, 318, 179));
        Text(p, QRectF(10, 10, 318, 24), 15, Qt::white, Qt::AlignLeft, "QJX Editor");
        Text(p, QRectF(20, 34, 288, 24), 12, Qt::white, Qt::AlignRight, "Receiving data from the QJX1...");
        Text(p, QRectF(0, 154, 308, 24), 10, Qt::white, Qt::AlignRight, "Do not disconnect the USB cable.");
    };
    sheet.Place(dlg, at);
}

void AboutDialog(Sheet& sheet, QPoint at)
{
    Backdrop dlg(QSize(326, 209), Qt::white, Qt::white);
    dlg.overlay = [](QPainter& p) {
        Stretch(p, 1095, QRectF(0, 0, 326, 209));
        const QStringList labels{"Editor", "QJX1", "Driver"};
        const QStringList versions{"version 1.0.0", "version 1.02", "version 6.1"};
        const QStringList status{"A new version is available", "Do not turn off the QJX1...", ""};
        for (int i = 0; i < 3; ++i) {
            const QRectF row(0, 46 * i, 326, 46);
            Text(p, QRectF(8, row.top() + 7, 81, 16), 12, Qt::black, Qt::AlignLeft | Qt::AlignTop, labels[i]);
            Text(p, QRectF(8, row.top() + 23, 120, 14), 10, Qt::black, Qt::AlignLeft | Qt::AlignTop, versions[i]);
            Text(p, QRectF(8 + 81 + 8, row.top() + 14, 163, 16), 12, i == 1 ? QColor(0xFF, 0, 0) : Qt::black,
                 Qt::AlignLeft | Qt::AlignTop, status[i]);
        }
        Text(p, QRectF(326 - 6 - 81, 46 + 23, 81, 14), 10, Qt::black, Qt::AlignRight | Qt::AlignTop, "62%");
        const int filled = 326 * 62 / 100;
        Stretch(p, 1093, QRectF(0, 86, filled, 11));
        Stretch(p, 1094, QRectF(filled, 91, 326 - filled, 1));
        Text(p, QRectF(0, 166, 323, 14), 8, Qt::black, Qt::AlignRight | Qt::AlignBottom,
             "Visit the support pages for news about your QJX1.");
        Text(p, QRectF(0, 186, 326 - 146 - 26 - 4, 13), 10, Qt::white, Qt::AlignRight | Qt::AlignBottom,
             "Check for updates on startup?");
    };
    for (int bottom : {46, 138})
        MakePicture(&dlg, 1061, QRect(0, bottom - 1, 326, 1));
    CEdImgButton* update = MakeButton(&dlg, 1058, 3, {0, 8});
    update->move(326 - update->width(), 8);
    auto* warning = MakePicture(&dlg, 1063, QRect(0, 54, 0, 0));
    warning->move(326 - 40 - warning->width(), 54);
    CEdImgButton* manual = MakeButton(&dlg, 1059, 3, {0, 0});
    manual->move(0, 180 - manual->height());
    CEdImgButton* check = MakeButton(&dlg, 1060, 2, {0, 186});
    check->move(326 - 146 - check->width(), 186);
    check->SetActive(true);
    sheet.Place(dlg, at);
}

void EditorMock(Sheet& sheet)
{
    Backdrop top(QSize(640, 290), kWinTop, kWinBottom);
    top.overlay = [](QPainter& p) {
        // The plot, as the curve editor draws it, under a learning overlay.
        const QRectF plot(77, 66, 640 - 77 - 55, 290 - 66);
        QLinearGradient g(plot.topLeft(), plot.bottomLeft());
        g.setColorAt(0, QColor(0x67, 0x67, 0x67));
        g.setColorAt(1, QColor(0x3A, 0x3A, 0x3A));
        p.fillRect(plot, g);
        p.fillRect(plot, QColor(0, 0, 0, 51));
        const QRectF card(plot.center().x() - 205, plot.center().y() - 82.5, 410, 165);
        Stretch(p, 1092, card);
        Text(p, card.adjusted(0, 40, 0, -90), 11, Qt::black, Qt::AlignHCenter | Qt::AlignTop,
             "Please play the QJX1 dynamically, from soft to loud.\nA New Touch Curve will be created!");
    };
    auto* name = new CEdImgText(&top);
    name->LoadImage(1026);
    name->setGeometry(0, 0, 130, 30);
    name->setText("Expressive");
    MakeButton(&top, 1019, 4, {130, 0});
    int x = 640;
    auto place = [&](unsigned id, int frames) -> QWidget* {
        if (frames == 0) {
            CEdImgPicture* sep = MakePicture(&top, id, QRect());
            x -= sep->width();
            sep->move(x, 0);
            return sep;
        }
        CEdImgButton* b = MakeButton(&top, id, frames, {0, 0});
        x -= b->width();
        b->move(x, 0);
        return b;
    };
    place(1020, 4);
    place(1025, 0);
    place(1026, 0);
    place(1025, 0);
    place(1021, 4);
    place(1016, 4);
    static_cast<CEdImgButton*>(place(1018, 4))->SetEnabledLook(false);
    place(1017, 4);
    place(1025, 0);
    place(1026, 0);
    place(1025, 0);
    static_cast<CEdImgButton*>(place(1022, 4))->SetActive(true);
    sheet.Place(top, QPoint(24, sheet.Y()));
    sheet.Caption(QRectF(24, sheet.Y() + 292, 640, 16),
                  "Curve editor: name bar, rename, learn (on), undo, redo (disabled look), delete point, reset, back; "
                  "learning card 1092 over the dimmed plot");

    Backdrop sel(QSize(595, 110), kWinTop, kWinBottom);
    int sx = 595;
    auto placeSel = [&](unsigned id, int frames) -> CEdImgButton* {
        if (frames == 0) {
            CEdImgPicture* sep = MakePicture(&sel, id, QRect());
            sx -= sep->width();
            sep->move(sx, 0);
            return nullptr;
        }
        CEdImgButton* b = MakeButton(&sel, id, frames, {0, 0});
        sx -= b->width();
        b->move(sx, 0);
        return b;
    };
    placeSel(1012, 4)->SetEnabledLook(false);
    placeSel(1025, 0);
    placeSel(1026, 0);
    placeSel(1025, 0);
    placeSel(1013, 4)->SetEnabledLook(false);
    placeSel(1011, 4);
    placeSel(1010, 4);
    MakeButton(&sel, 1015, 3, {595 - 30 - 33, 55});
    auto* offsetBar = new Backdrop(QSize(300, 30), kWinTop, kWinBottom, &sel);
    offsetBar->move(0, 60);
    MakeButton(offsetBar, 1017, 4, {0, 0});
    MakeButton(offsetBar, 1018, 4, {30, 0})->SetEnabledLook(false);
    MakeButton(offsetBar, 1021, 4, {60, 0});
    MakePicture(offsetBar, 1025, QRect(90, 0, 2, 30));
    MakePicture(offsetBar, 1026, QRect(92, 0, 208, 30));
    sheet.Place(sel, QPoint(24 + 640 + 30, sheet.Y()));
    sheet.Caption(QRectF(24 + 640 + 30, sheet.Y() + 112, 595, 32),
                  "Curve selection toolbar (a factory curve chosen: edit and delete disabled), next page; "
                  "offset toolbar (left, bottom)");
    sheet.Y() += 320;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tovin_skin_sheet <output.png> [scale]\n");
        return 2;
    }
    const int scale = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 1;

    Sheet sheet(1420);
    Text(sheet.Painter(), QRectF(24, sheet.Y(), 1000, 34), 26, QColor(0x22, 0x22, 0x22),
         Qt::AlignLeft | Qt::AlignVCenter, "QJX Editor skin", QFont::DemiBold);
    Text(sheet.Painter(), QRectF(300, sheet.Y() + 8, 1080, 24), 12, kLabel, Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("every image of :/skin and every control in its states, font \"%1\"").arg(EdUiFontFamily()));
    sheet.Y() += 40;

    sheet.Heading("Main window (MIDI setting screen) and the dialogs");
    const int top = sheet.Y();
    MainWindowMock(sheet, false);
    ConnectDialog(sheet, QPoint(24 + 640 + 30, top));
    AboutDialog(sheet, QPoint(24 + 640 + 30 + 326 + 24, top));
    SyncDialog(sheet, QPoint(24 + 640 + 30, top + 248 + 30));
    sheet.Y() = top + 480 + 20;
    sheet.Heading("Connect dialog over the dimmed main window; curve screens");
    const int top2 = sheet.Y();
    MainWindowMock(sheet, true);
    ConnectDialog(sheet, QPoint(24 + (640 - 326) / 2, top2 + (480 - 248) / 2));
    sheet.Y() = top2 + 480 + 20;
    EditorMock(sheet);
    ControlStates(sheet);
    TextControls(sheet);
    Pictures(sheet);

    QImage image = sheet.Finish();
    if (scale > 1)
        image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "tovin_skin_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
