#include "app/command_line.h"

#include <charconv>

#include "devtools/player_model.h"
#include "frame/languages.h"

namespace {
bool ParseLong(const std::string& text, long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}
}  // namespace

std::string CommandLineHelp() {
    return "Usage: brambleton [options]\n"
           "  --windowed, --fullscreen   play in a window or full screen (this run only)\n"
           "  --headless                 no window and no sound device; draws off screen\n"
           "  --renderer gpu|software|null\n"
           "                             how frames are drawn (null: no pixels, for fast runs)\n"
           "  --fixed-step               the clock advances 1000/60 ms per frame, no waiting\n"
           "  --seed N                   seed the random generator\n"
           "  --frames N                 end after N frames (exit status 0)\n"
           "  --screenshot FILE          write the last frame as PNG at exit\n"
           "  --record FILE              record input events by frame number\n"
           "  --replay FILE              play recorded input events back\n"
           "  --user-dir DIR             keep settings and profiles in DIR\n"
           "  --language CODE            speak this language for this run only (not saved):\n"
           "                             " +
           LanguageCodes() +
           "\n"
           "  --data-dir DIR             read the game's resource folder from DIR\n"
           "  --level N|PATH             play quest level N or a level file, print the result, exit\n"
           "                             (a level file: F5 reads it again and starts it over)\n"
           "  --puzzle N|PATH            play puzzle N or a puzzle file, print the result, exit\n"
           "  --screen NAME              open one screen with the current profile: village,\n"
           "                             menu, options, manager, credits, intro, outro\n"
           "  --check-level PATH         print the loader's messages for a level file, let the\n"
           "                             virtual player play it on seeds 1-10, say if it is fit\n"
           "  --level-sheet FILE         draw every level's starting board into one PNG\n"
           "  --levels DIR               the level files --level-sheet draws (default: the game's)\n"
           "  --autoplay                 let the virtual player play\n"
           "  --skip-story               the virtual player clicks the intro away\n"
           "  --player MODEL             the virtual player plays as novice, casual, steady or\n"
           "                             expert (docs/balance.md; implies --autoplay); without it:\n"
           "                             best moves, 200 ms\n"
           "  --move-every MS            the virtual player thinks MS ms before each move on the\n"
           "                             board (default 200, or the model's; steady takes 750)\n"
           "  --unlock-powerups          start a --level run with all six power-ups unlocked\n"
           "  --frame-stats FILE         write frame time statistics at exit\n"
           "  --balance-report DIR       with --autoplay from the main menu: write DIR/balance.md\n"
           "                             and DIR/balance.png of the whole quest at exit\n"
           "  --gui PATH                 preview one GUI script\n"
           "  --version                  show the version\n"
           "  --help                     show this text\n";
}

std::string VersionText() { return std::string("brambleton ") + BRAMBLETON_VERSION + "\n"; }

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        auto number = [&](long& into) {
            std::string text;
            if (!value(text)) return false;
            if (!ParseLong(text, into)) {
                error = a + " needs a number, not '" + text + "'";
                return false;
            }
            return true;
        };
        if (a == "--windowed") {
            out.displayMode = 0;
        } else if (a == "--fullscreen") {
            out.displayMode = 1;
        } else if (a == "--headless") {
            out.headless = true;
        } else if (a == "--renderer") {
            std::string kind;
            if (!value(kind)) return false;
            if (kind == "gpu") out.renderer = RendererKind::Gpu;
            else if (kind == "software") out.renderer = RendererKind::Software;
            else if (kind == "null") out.renderer = RendererKind::Null;
            else {
                error = "--renderer takes gpu, software or null, not '" + kind + "'";
                return false;
            }
            out.rendererGiven = true;
        } else if (a == "--fixed-step") {
            out.fixedStep = true;
        } else if (a == "--seed") {
            long n = 0;
            if (!number(n)) return false;
            out.seed = static_cast<int>(n);
            out.seedGiven = true;
        } else if (a == "--frames") {
            if (!number(out.frames)) return false;
            if (out.frames < 0) {
                error = "--frames needs a positive number";
                return false;
            }
        } else if (a == "--screenshot") {
            if (!value(out.screenshot)) return false;
        } else if (a == "--record") {
            if (!value(out.record)) return false;
        } else if (a == "--replay") {
            if (!value(out.replay)) return false;
        } else if (a == "--user-dir") {
            if (!value(out.userDir)) return false;
        } else if (a == "--language") {
            if (!value(out.language)) return false;
        } else if (a == "--data-dir") {
            if (!value(out.dataDir)) return false;
        } else if (a == "--gui") {
            if (!value(out.gui)) return false;
        } else if (a == "--level") {
            if (!value(out.level)) return false;
        } else if (a == "--puzzle") {
            if (!value(out.puzzle)) return false;
        } else if (a == "--screen") {
            if (!value(out.screen)) return false;
        } else if (a == "--check-level") {
            if (!value(out.checkLevel)) return false;
        } else if (a == "--level-sheet") {
            if (!value(out.levelSheet)) return false;
        } else if (a == "--levels") {
            if (!value(out.levelsDir)) return false;
        } else if (a == "--autoplay") {
            out.autoplay = true;
        } else if (a == "--skip-story") {
            out.skipStory = true;
        } else if (a == "--player") {
            if (!value(out.player)) return false;
            if (FindPlayerModel(out.player) == nullptr) {
                error = "--player takes novice, casual, steady or expert";
                return false;
            }
            out.autoplay = true;  // a model is a way for the virtual player to play
        } else if (a == "--move-every") {
            out.moveEveryGiven = true;
            if (!number(out.moveEveryMs)) return false;
            if (out.moveEveryMs < 0 || out.moveEveryMs > 10000) {
                error = "--move-every takes 0 to 10000 ms";
                return false;
            }
        } else if (a == "--unlock-powerups") {
            out.unlockPowerups = true;
        } else if (a == "--frame-stats") {
            if (!value(out.frameStats)) return false;
        } else if (a == "--balance-report") {
            if (!value(out.balanceReport)) return false;
        } else if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    // Recording a replay writes its events again, stamped with the frames
    // they took effect in; it must not overwrite the file being replayed.
    if (!out.record.empty() && out.record == out.replay) {
        error = "--record and --replay name the same file";
        return false;
    }
    return true;
}
