#include "ui/command_routing.h"

#include "game/cpu_level.h"
#include "game/cpu_vs_cpu.h"
#include "game/discard_question.h"
#include "game/guide_buttons.h"
#include "game/hint.h"
#include "game/human_vs_cpu.h"
#include "game/human_vs_human.h"
#include "game/new_game.h"
#include "game/record_writer.h"
#include "game/save_load.h"
#include "game/slice_navigation.h"
#include "game/take_back.h"
#include "game/threat_marks.h"
#include "ui/about_box.h"
#include "ui/board_layout_choice.h"
#include "ui/language_choice.h"
#include "ui/quit_program.h"
#include "ui/rules_window.h"

namespace kalvenor {

namespace {

void runTurnHandlers(Session& session) {
    if (session.state.inProgress) {
        switch (session.state.mode) {
            case GameMode::HumanVsHuman:
                playHumanMove(session);
                break;
            case GameMode::HumanVsCpu:
                playHumanVsCpuTurn(session);
                break;
            case GameMode::CpuVsCpu:
                break;
        }
    }
    // Depends on the mode alone: a finished game between computers still steps (a restart).
    if (session.state.mode == GameMode::CpuVsCpu) {
        stepCpuVsCpu(session);
    }
}

}  // namespace

void routeCommand(Session& session, platform::WParam first, platform::ControlHandle sender) {
    if (platform::highWord(first) == 0) {
        runTurnHandlers(session);
        if (sender != nullptr) {
            // The view's own buttons and labels; a click on them never makes a move.
            onGuideButtonClick(session) || onAxisCaptionClick(session) ||
                onLastMoveLabelClick(session, sender);
        }
    }
    runCommand(session, platform::lowWord(first));
}

void runCommand(Session& session, int commandId) {
    if (isGameStartCommand(commandId)) {
        if (mayDiscardGame(session)) {
            startNewGame(session, commandId);
        }
        return;
    }
    switch (commandId) {
        case command_id::Save:
            saveGame(session);
            break;
        case command_id::Load:
            if (mayDiscardGame(session)) {
                loadGame(session);
            }
            break;
        case command_id::Record:
            toggleRecord(session);
            break;
        case command_id::StandardLevel:
            setCpuLevel(session, CpuLevel::Standard);
            break;
        case command_id::MediumLevel:
            setCpuLevel(session, CpuLevel::Medium);
            break;
        case command_id::StrongLevel:
            setCpuLevel(session, CpuLevel::Strong);
            break;
        case command_id::ThreatMarks:
            setThreatMarks(session, !session.options.threatMarks);
            break;
        case command_id::FollowPlay:
            setFollowPlay(session, !session.options.followPlay);
            break;
        case command_id::NewGame:
            if (mayDiscardGame(session)) {
                startGameOfTheSameKind(session);
            }
            break;
        case command_id::Hint:
            showHint(session);
            break;
        case command_id::TakeBack:
            takeBackMove(session);
            break;
        case command_id::Redo:
            redoMove(session);
            break;
        case command_id::Japanese:
            chooseLanguage(session, LanguageChoice::Japanese);
            break;
        case command_id::English:
            chooseLanguage(session, LanguageChoice::English);
            break;
        case command_id::SystemLanguage:
            chooseLanguage(session, LanguageChoice::System);
            break;
        case command_id::LargeBoard:
            switchLargeBoard(session);
            break;
        case command_id::Rules:
            showRulesWindow(session);
            break;
        case command_id::About:
            showAboutBox(session);
            break;
        case command_id::Quit:
            quitProgram(session);
            break;
        default:
            break;
    }
}

}  // namespace kalvenor
