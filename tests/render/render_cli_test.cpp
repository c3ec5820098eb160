// quorvel-render as a user runs it: exit codes, messages and what it writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFile.h"

extern char** environ;

namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

RunResult Render(const std::vector<std::string>& args) {
    TempDir dir;
    const std::string outPath = (dir.path() / "stdout").string();
    const std::string errPath = (dir.path() / "stderr").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> all = {QUORVEL_RENDER_EXE};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, QUORVEL_RENDER_EXE, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(outPath), Slurp(errPath)};
}

const char kData[] =
    "Engine test, bench 4\n"
    "Time; Speed; Load\n"
    "10:00; 1200; 35\n"
    "10:05; 1450; 40\n"
    "10:10; 1500; 38\n";

}  // namespace

TEST(RenderCliTest, LoadFailuresExitOneWithTheLoadersMessageAlone) {
    TempDir dir;
    const std::string missing = (dir.path() / "x.csv").string();
    const std::string bad = dir.Write("bad.csv", "Title\nOnlyOneField\n");
    const std::string png = (dir.path() / "out.png").string();
    const std::string trace = (dir.path() / "out.txt").string();

    RunResult r = Render({missing, "-o", png, "--trace", trace});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Can not open a file \"" + missing + "\".\n");
    EXPECT_EQ(r.out, "");

    r = Render({bad, "-o", png, "--trace", trace});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The File \"" + bad + "\" has an incorrect format.\n");
    EXPECT_FALSE(std::filesystem::exists(png)) << "no picture after a failed load";
    EXPECT_FALSE(std::filesystem::exists(trace)) << "no trace after a failed load";
}

TEST(RenderCliTest, UsageErrorsExitTwoWithAUsageLine) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"a.csv", "--frobnicate"}, {"a.csv", "--size", "12"}}) {
        const RunResult r = Render(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage: quorvel-render FILE"), std::string::npos) << r.err;
    }
    const RunResult help = Render({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: quorvel-render FILE", 0), 0u);
}

TEST(RenderCliTest, OnePassGivesThePictureAndTheTraceTogether) {
    TempDir dir;
    const std::string data = dir.Write("engine.csv", kData);
    const std::string both = (dir.path() / "both.png").string();
    const std::string alone = (dir.path() / "alone.png").string();

    const RunResult traced = Render({data, "--size", "320x240", "-o", both, "--trace", "-"});
    ASSERT_EQ(traced.status, 0) << traced.err;
    EXPECT_EQ(traced.err, "");
    const RunResult traceOnly = Render({data, "--size", "320x240", "--trace", "-"});
    ASSERT_EQ(traceOnly.status, 0);
    EXPECT_EQ(traced.out, traceOnly.out) << "the trace must not depend on the surface behind it";
    const RunResult pngOnly = Render({data, "--size", "320x240", "-o", alone});
    ASSERT_EQ(pngOnly.status, 0);
    EXPECT_EQ(Slurp(both), Slurp(alone));

    // A PNG of the requested size: signature, then the IHDR chunk with width and height.
    const std::string png = Slurp(alone);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xf0", 8));

    // The trace starts with the frame of a 320 x 240 client area and ends with the state record.
    const std::string& t = traced.out;
    EXPECT_EQ(t.rfind("rect 10 10 310 230 pen=#000000/1 brush=#ffffff\n", 0), 0u) << t;
    const std::size_t last = t.rfind("\nstate ");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(
        t.substr(last + 1, t.find('\n', last + 1) - last - 1)
            .rfind("state frame=10,10,310,230 plot=50,50,170,190 legendWidth=100 stepPixX=60 ", 0),
        0u)
        << t.substr(last);
}

TEST(RenderCliTest, AnUnwritableOutputIsReported) {
    TempDir dir;
    const std::string data = dir.Write("engine.csv", kData);
    const RunResult r = Render({data, "-o", (dir.path() / "no" / "such" / "dir.png").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
}
