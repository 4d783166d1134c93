#include "SkinCatalogue.h"

#include "SkinBackgrounds.h"
#include "SkinCanvas.h"
#include "SkinFrames.h"
#include "SkinPictures.h"

namespace skin
{
namespace
{
std::vector<Entry> Build()
{
    std::vector<Entry> c;
    auto add = [&c](unsigned id, QSize size, int frames, const char* role, std::function<QImage()> draw) {
        c.push_back({id, size, frames, QString::fromUtf8(role), std::move(draw)});
    };
    add(1000, {135, 45}, 3, "menu: touch curve screen", [] { return MenuTab(Icon::TouchCurve); });
    add(1001, {135, 45}, 3, "menu: offset screen", [] { return MenuTab(Icon::Offset); });
    add(1002, {135, 45}, 3, "menu: MIDI setting screen", [] { return MenuTab(Icon::Setting); });
    add(1003, {135, 30}, 3, "footer: information", [] { return FlatIcon(Icon::Info, {45, 30}, 20); });
    for (unsigned i = 0; i < 5; ++i)
        add(1004 + i, {90, 30}, 3, "footer: preset button",
            [i] { return LabelKey(QString::number(i + 1), MemoryColour(static_cast<int>(i))); });
    add(1009, {150, 30}, 5, "footer: memory indicator", [] { return PowerStrip(); });
    add(1010, {120, 30}, 4, "curves: new", [] { return ToolbarButton(Icon::New); });
    add(1011, {120, 30}, 4, "curves: duplicate", [] { return ToolbarButton(Icon::Duplicate); });
    add(1012, {120, 30}, 4, "curves: edit", [] { return ToolbarButton(Icon::Edit); });
    add(1013, {120, 30}, 4, "curves: delete", [] { return ToolbarButton(Icon::Delete); });
    add(1014, {90, 30}, 3, "menu: previous page", [] { return RoundButton(Icon::Previous, {30, 30}); });
    add(1015, {90, 30}, 3, "curves: next page", [] { return RoundButton(Icon::Next, {30, 30}); });
    add(1016, {120, 30}, 4, "editor: delete point", [] { return ToolbarButton(Icon::DeletePoint); });
    add(1017, {120, 30}, 4, "undo", [] { return ToolbarButton(Icon::Undo); });
    add(1018, {120, 30}, 4, "redo", [] { return ToolbarButton(Icon::Redo); });
    add(1019, {120, 30}, 4, "editor: rename", [] { return ToolbarButton(Icon::Rename); });
    add(1020, {120, 30}, 4, "editor: back", [] { return ToolbarButton(Icon::Back); });
    add(1021, {120, 30}, 4, "reset", [] { return ToolbarButton(Icon::Reset); });
    add(1022, {120, 30}, 4, "editor: learn", [] { return ToolbarButton(Icon::Learn); });
    add(1023, {120, 30}, 4, "spare: close", [] { return ToolbarButton(Icon::Close); });
    add(1024, {120, 30}, 4, "spare: help", [] { return ToolbarButton(Icon::Help); });
    add(1025, {2, 30}, 1, "toolbar groove", [] { return ToolbarSeparator(); });
    add(1026, {2, 30}, 1, "toolbar fill, name bar", [] { return ToolbarFill(); });
    add(1027, {2, 2}, 1, "rule, panel", [] { return Rule(); });
    // 1028 has no user in the windows; it is the curve editor's plot backdrop, ready for one.
    add(1028, {508, 381}, 1, "spare: plot backdrop", [] { return PlotBackdrop(); });
    for (unsigned i = 0; i < 16; ++i)
        add(1029 + i, {90, 30}, 3, "MIDI: channel button", [i] { return LabelKey(QString::number(i + 1), kAccent); });
    add(1045, {501, 25}, 3, "MIDI: route from keyboard",
        [] { return RoutingSwitch(Icon::Keyboard, QStringLiteral("Keyboard")); });
    add(1046, {501, 25}, 3, "MIDI: route from MIDI IN",
        [] { return RoutingSwitch(Icon::MidiPort, QStringLiteral("MIDI IN")); });
    add(1047, {501, 25}, 3, "MIDI: route from the computer",
        [] { return RoutingSwitch(Icon::Computer, QStringLiteral("From PC")); });
    add(1048, {75, 75}, 1, "MIDI: MIDI OUT", [] { return Destination(Icon::MidiPort, QStringLiteral("MIDI OUT")); });
    add(1049, {75, 75}, 1, "MIDI: USB MIDI OUT",
        [] { return Destination(Icon::Usb, QStringLiteral("USB MIDI OUT")); });
    add(1050, {80, 90}, 1, "MIDI: left pedal", [] { return Pedals(0); });
    add(1051, {80, 90}, 1, "MIDI: centre pedal", [] { return Pedals(1); });
    add(1052, {80, 90}, 1, "MIDI: right pedal", [] { return Pedals(2); });
    add(1053, {51, 24}, 1, "MIDI: value box", [] { return ValueBox(); });
    add(1054, {72, 12}, 3, "MIDI: value up", [] { return SpinArrow(true, {24, 12}); });
    add(1055, {72, 11}, 3, "MIDI: value down", [] { return SpinArrow(false, {24, 11}); });
    add(1056, {13, 15}, 1, "curves: fixed curve marker", [] { return LockMarker(); });
    add(1057, {105, 35}, 3, "connect: sync", [] { return DialogButton(Icon::Sync, QStringLiteral("SYNC"), true); });
    add(1058, {180, 29}, 3, "about: update", [] { return UpdateButton(QStringLiteral("Update")); });
    add(1059, {90, 30}, 3, "about: manual", [] { return RoundButton(Icon::Manual, {30, 30}); });
    add(1060, {26, 13}, 2, "about: check box", [] { return CheckBox(); });
    add(1061, {2, 1}, 1, "about: row separator", [] { return Hairline(); });
    add(1062, {105, 35}, 3, "connect: demo", [] { return DialogButton(Icon::Demo, QStringLiteral("DEMO"), false); });
    add(1063, {29, 29}, 1, "about: firmware warning", [] { return Warning(); });
    add(1092, {410, 165}, 1, "editor: learning card", [] { return LearningCard(); });
    add(1093, {2, 11}, 1, "about: progress", [] { return ProgressFill(); });
    add(1094, {2, 1}, 1, "about: progress track", [] { return ProgressRest(); });
    add(1095, {320, 200}, 1, "about: background", [] { return AboutBackground(); });
    add(1097, {320, 248}, 1, "connect: background", [] { return ConnectBackground(); });
    add(1098, {318, 179}, 1, "sync: background", [] { return SyncBackground(); });
    add(1099, {48, 48}, 1, "overlay: background", [] { return OverlayBackground(); });
    return c;
}
} // namespace

const std::vector<Entry>& Catalogue()
{
    static const std::vector<Entry> catalogue = Build();
    return catalogue;
}
} // namespace skin
