// The command line, input recordings, frame statistics and the screen table.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "devtools/frame_stats.h"
#include "devtools/input_recording.h"
#include "frame/control.h"

TEST(CommandLine, ReadsEveryFlag) {
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--headless",
                                  "--renderer",
                                  "null",
                                  "--fixed-step",
                                  "--seed",
                                  "7",
                                  "--frames",
                                  "120",
                                  "--screenshot",
                                  "a.png",
                                  "--record",
                                  "r.txt",
                                  "--user-dir",
                                  "/tmp/u",
                                  "--level",
                                  "3",
                                  "--autoplay",
                                  "--frame-stats",
                                  "s.txt",
                                  "--windowed",
                                  "--move-every",
                                  "750",
                                  "--player",
                                  "casual",
                                  "--unlock-powerups"},
                                 cl, error))
        << error;
    EXPECT_TRUE(cl.headless);
    EXPECT_EQ(cl.renderer, RendererKind::Null);
    EXPECT_TRUE(cl.rendererGiven);
    EXPECT_TRUE(cl.fixedStep);
    EXPECT_TRUE(cl.seedGiven);
    EXPECT_EQ(cl.seed, 7);
    EXPECT_EQ(cl.frames, 120);
    EXPECT_EQ(cl.screenshot, "a.png");
    EXPECT_EQ(cl.record, "r.txt");
    EXPECT_EQ(cl.userDir, "/tmp/u");
    EXPECT_EQ(cl.level, "3");
    EXPECT_TRUE(cl.autoplay);
    EXPECT_EQ(cl.frameStats, "s.txt");
    EXPECT_EQ(cl.displayMode, 0);
    EXPECT_TRUE(cl.unlockPowerups);
    EXPECT_EQ(cl.moveEveryMs, 750);
    EXPECT_TRUE(cl.moveEveryGiven);
    EXPECT_EQ(cl.player, "casual");
}

TEST(CommandLine, APlayerModelLetsTheVirtualPlayerPlay) {
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--player", "novice"}, cl, error)) << error;
    EXPECT_TRUE(cl.autoplay);
    EXPECT_EQ(cl.player, "novice");
}

TEST(CommandLine, RejectsBadInputWithAReason) {
    const std::vector<std::vector<std::string>> bad = {{"--seed"},
                                                       {"--seed", "x7"},
                                                       {"--frames", "-3"},
                                                       {"--renderer", "vulkan"},
                                                       {"--bogus"},
                                                       {"--record", "a", "--replay", "a"},
                                                       {"--move-every", "-1"},
                                                       {"--move-every", "10001"},
                                                       {"--player"},
                                                       {"--player", "beginner"}};
    for (const auto& args : bad) {
        CommandLine cl;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, cl, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
    // A replay may be recorded again into another file.
    CommandLine cl;
    std::string error;
    EXPECT_TRUE(ParseCommandLine({"--record", "a", "--replay", "b"}, cl, error)) << error;
}

TEST(CommandLine, HelpNamesEveryFlag) {
    const std::string help = CommandLineHelp();
    for (const char* flag :
         {"--windowed", "--fullscreen", "--headless", "--renderer", "--fixed-step", "--seed", "--frames",
          "--screenshot", "--record", "--replay", "--user-dir", "--level", "--autoplay", "--player",
          "--move-every", "--frame-stats", "--gui", "--help"})
        EXPECT_NE(help.find(flag), std::string::npos) << flag;
}

TEST(InputRecording, RoundTripsAndSkipsBadLines) {
    std::vector<RecordedEvent> events(3);
    events[0] = {0, {InputEvent::MouseMove, 12.5f, 300, 0}};
    events[1] = {5, {InputEvent::MouseDown, 12.5f, 300, 1}};
    events[2] = {9, {InputEvent::KeyDown, 0, 0, 27}};
    std::string text = FormatRecording(events);
    text += "garbage line\n17 99 0 0 0\n18 0 3e38 5 0\n19 0 5 -2e9 0\n";
    std::vector<RecordedEvent> back;
    std::string error;
    ASSERT_TRUE(ParseRecording(text, back, error));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].frame, 5);
    EXPECT_EQ(back[1].event.kind, InputEvent::MouseDown);
    EXPECT_FLOAT_EQ(back[1].event.x, 12.5f);
    EXPECT_EQ(back[2].event.code, 27);
    EXPECT_FALSE(ParseRecording("hello\n", back, error));
}

TEST(FrameStats, PercentilesByNearestRank) {
    std::vector<double> samples;
    for (int i = 1; i <= 200; ++i) samples.push_back(i);
    const auto s = SummariseFrameTimes(samples);
    EXPECT_DOUBLE_EQ(s.median, 100);
    EXPECT_DOUBLE_EQ(s.p99, 198);
    EXPECT_DOUBLE_EQ(s.max, 200);
    EXPECT_DOUBLE_EQ(SummariseFrameTimes({}).max, 0);
    EXPECT_GT(PeakRssMegabytes(), 1.0);
}

TEST(ScreenTable, LabelsAndRunners) {
    EXPECT_EQ(ScreenLabel(1), "mainMenu");
    EXPECT_EQ(ScreenLabel(2), "mainGame");
    EXPECT_EQ(ScreenLabel(104), "Continueing game");
    EXPECT_EQ(ScreenLabel(3), "");
    RegisterScreen(SCREEN_OUTRO, [] { return 1; });
    EXPECT_TRUE(IsScreenRegistered(SCREEN_OUTRO));
    EXPECT_EQ(RunScreenCode(SCREEN_OUTRO), 1);
    RegisterScreen(SCREEN_OUTRO, {});
}

TEST(ScreenTableDeathTest, UnknownAndUnbuiltCodesStopTheProgram) {
    EXPECT_EXIT(RunScreenCode(3), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(RunScreenCode(0), testing::ExitedWithCode(0), "");
}
