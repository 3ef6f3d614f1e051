#include "ui/rules_window.h"

#include "catalog/localized.h"

namespace kalvenor {

std::vector<platform::HelpSection> rulesSections() {
    return {
        {std::string(localized("五目並べで勝ち")),
         std::string(localized("縦・横・斜め、どの向きでも自分の石を５つ一直線に並べた方が勝ちです。\n"
                               "どのゲームでも同じです。盤は２次元から８次元まで、どの軸も８マスです。")),
         {{{"........", "..XXXXX.", "........", ".O.O.O..", "........"},
           std::string(localized("■ が横に５つ並んで勝ち"))}}},
        {std::string(localized("ゲームの種類")),
         std::string(
             localized("対人戦：二人で交互に、空いているマスならどこにでも打てます。\n"
                       "対CPU戦：あなたとコンピュータの対戦です。先攻か後攻かを選びます。\n"
                       "CPU vs CPU：コンピュータ同士の対戦を 一手進む・10手進む・最後まで で見ます。\n"
                       "ゲーム › 新しいゲーム (Ctrl+N, F2) で同じ種類のゲームをもう一度始めます。")),
         {}},
        {std::string(localized("挟んで裏返す（対CPU戦・CPU vs CPU）")),
         std::string(
             localized("相手の石を自分の石で挟めるマスにだけ打てます。挟んだ石は自分の色に変わります。\n"
                       "裏返った石で５つ並んでも勝ちです。")),
         {{{".....", ".vOX.", "....."}, std::string(localized("↓ に打つと"))},
          {{".....", ".XXX.", "....."}, std::string(localized("□ が ■ に変わる"))}}},
        {std::string(localized("パスと引き分け")),
         std::string(localized("打てるマスがなければ自動でパスになります。\n"
                               "どちらも打てなくなったら、または盤が埋まったら引き分けです。")),
         {}},
        {std::string(localized("ガイドと警告表示")),
         std::string(localized(
             "ガイド機能の 簡易 は打てるマスに ↓、詳細 は裏返る石の数を表示します。\n"
             "表示 › 警告表示 を入れると、一手で５つ並ぶマスに色が付きます。\n"
             "金色：次に打つ側がここに打てば勝ち。水色：相手がここに打てば勝ち、先に防ぎましょう。")),
         {{{"......", ".XXXXw", "......", "bOOOO.", "......"},
           std::string(localized("■ の番：金色は勝ち、水色は防ぐマス"))}}},
        {std::string(localized("レベル")),
         std::string(localized("初級：一番多く裏返せるマスに打ちます。\n"
                               "中級：５つ並べられるなら並べ、相手の五目は一手で防ぎます。\n"
                               "上級：先を読んで打ちます。\n"
                               "ヒント (H) は上級ならどこに打つかを ◎ で示します。待った (Ctrl+Z) "
                               "で自分の最後の手の前に戻れます。")),
         {}},
        {std::string(localized("４次元以上の盤")),
         std::string(localized(
             "盤は 8×8×8 の一断面ずつ表示されます。下のトラックバー（時間軸 など）で断面を選びます。\n"
             "赤い点は打てるマス（警告があるときは色付きのマス）がある位置です。軸の名前を押すと次の点へ移り"
             "ます。\n"
             "最後の手の表示を押すとその手の断面へ移ります。表示 › 手を追う を入れると自動で移ります。")),
         {}},
    };
}

void showRulesWindow(Session& session) {
    const std::vector<platform::HelpSection> sections = rulesSections();
    platform::showHelpWindow(session.window, localized("遊び方"), sections);
}

}  // namespace kalvenor
