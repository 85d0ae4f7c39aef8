#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "../support/TestBook.h"

namespace fs = std::filesystem;
using testbook::TTempFolder;

namespace {

// One run of the probe program: its input and output are pipes of ours.
class TProbe {
public:
    TProbe(const std::string& runtimeFolder, const std::string& appFolder)
    {
        int input[2];
        int output[2];
        // Close-on-exec, so that no probe inherits the pipes of another.
        if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0)
            return;
        Pid = fork();
        if (Pid == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            close(input[1]);
            close(output[0]);
            setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
            execl(VELLORA_INSTANCE_PROBE, VELLORA_INSTANCE_PROBE, appFolder.c_str(), nullptr);
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        Input = input[1];
        Output = output[0];
    }
    ~TProbe()
    {
        CloseInput();
        if (Output >= 0)
            close(Output);
        if (Pid > 0 && !Ended) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
        }
    }

    // What the probe writes before `timeout` or the end of its output.
    std::string ReadLine(std::chrono::milliseconds timeout)
    {
        std::string text;
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (text.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            pollfd ready{Output, POLLIN, 0};
            if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0)
                break;
            char c;
            if (read(Output, &c, 1) != 1)
                break;
            text += c;
        }
        return text;
    }

    void CloseInput()
    {
        if (Input >= 0)
            close(Input);
        Input = -1;
    }

    // The exit code, or -1 when the probe has not ended within `timeout`.
    int WaitForExit(std::chrono::milliseconds timeout)
    {
        const auto until = std::chrono::steady_clock::now() + timeout;
        int status = 0;
        while (std::chrono::steady_clock::now() < until) {
            if (waitpid(Pid, &status, WNOHANG) == Pid) {
                Ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t Pid = -1;
    int Input = -1;
    int Output = -1;
    bool Ended = false;
};

constexpr std::chrono::seconds cPatience{20};

}  // namespace

TEST(SingleInstanceTest, ASecondCopyEndsSilentlyBeforeTouchingItsFolder)
{
    TTempFolder runtime;
    TTempFolder firstApp;
    TTempFolder secondApp;

    TProbe first(runtime.Path.string(), firstApp.Path.string());
    ASSERT_EQ(first.ReadLine(cPatience), "running\n");
    EXPECT_TRUE(fs::exists(runtime.Path / "Corvane_Vellora_6D.lock"));

    TProbe second(runtime.Path.string(), secondApp.Path.string());
    EXPECT_EQ(second.WaitForExit(cPatience), 0);
    EXPECT_EQ(second.ReadLine(std::chrono::milliseconds(100)), "");
    EXPECT_TRUE(fs::is_empty(secondApp.Path)) << "the second copy created folders";

    // The first copy runs on, and its lock goes with it.
    first.CloseInput();
    EXPECT_EQ(first.WaitForExit(cPatience), 0);
    TProbe third(runtime.Path.string(), secondApp.Path.string());
    EXPECT_EQ(third.ReadLine(cPatience), "running\n");
    EXPECT_TRUE(fs::is_directory(secondApp.Path / "data"));
}
