#include "ui/start_screen.h"

#include <array>
#include <string_view>

#include "catalog/localized.h"

namespace kalvenor {

namespace {

constexpr int kStartScreenSlots = 12;

struct StartLabel {
    std::string_view text;
    platform::Rect rect;
    platform::ControlKind kind;
};

constexpr std::array<StartLabel, 6> kStartLabels = {{
    {catalogText(" 現在、２－４次元の対人戦しか実装致しておりません。"),
     {0, 0, 600, 30},
     platform::ControlKind::LeftLabel},
    {catalogText(" ですので、対人戦を選択後、次元数を選択してください。"),
     {35, 35, 600, 30},
     platform::ControlKind::LeftLabel},
    {catalogText(" 将来的な実装の範囲と致しましては"), {70, 70, 600, 30}, platform::ControlKind::LeftLabel},
    {catalogText(" ２－８次元のCPU戦と対人戦は少なくとも実装する予定です。"),
     {105, 105, 600, 30},
     platform::ControlKind::LeftLabel},
    {"Tarnwell", {440, 140, 300, 30}, platform::ControlKind::CentredLabel},
    // Ours, one step further down the stair: where the games the notice promises are now.
    {catalogText(" ２－８次元の全ての対戦と保存・読込は「ゲーム」メニューにございます。"),
     {140, 175, 600, 30},
     platform::ControlKind::LeftLabel},
}};

}  // namespace

void createStartScreen(Session& session) {
    auto& labels = session.view.infoLabels;
    labels.assign(kStartScreenSlots, nullptr);
    for (std::size_t slot = 0; slot < kStartLabels.size(); ++slot) {
        const StartLabel& label = kStartLabels[slot];
        labels[slot] = platform::createControl(session.window, label.kind, localized(label.text), label.rect);
    }
    session.state.viewCellCount = kStartScreenSlots;
}

}  // namespace kalvenor
