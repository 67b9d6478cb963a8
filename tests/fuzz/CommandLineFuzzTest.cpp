// Random command lines for the three commands, built from the characters that
// the command interpreter treats specially, quotes, backslashes, blanks and
// the commands' own words, with quoting left malformed as often as not. Every
// run must end cleanly, log its start and end, keep standard output to
// qormodule's answer, and start no class for a line it rejects.
//
// The seed is printed; set QORTEST_FUZZ_SEED to it to replay a failure.
#include "Files.h"
#include "LaunchLine.h"
#include "LogRecords.h"
#include "ExpectedOutput.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {


// Each program runs this many lines per test run; a run costs about a tenth
// of a second under Wine.
constexpr int kRunsPerProgram = 75;

const std::vector<std::string> kTokens{
    // The grammars' own words.
    "query", "add", "change", "remove", "-detail", "-g", "-sg", "-cg", "-bg", "-notest", "REP-GRP-NAME", "-path",
    "-version", "-PATH", "/path", "192.0.2.1", "storage-a",
    // What the command interpreter reads specially.
    "&", "|", "<", ">", "^", "(", ")", "!", "%", "%PATH%", "%COMSPEC%", "&&", "||",
    // Quotes and backslashes, alone and in the runs that the argument rules halve.
    "\"", "\"\"", "\\", "\\\\", "\\\"", "\\\\\"", "'",
    // Blanks inside an argument.
    " ", "\t", "x"};

unsigned long long SeedOfThisRun() {
    const char* given = std::getenv("QORTEST_FUZZ_SEED");
    if (given != nullptr && *given != '\0') return std::strtoull(given, nullptr, 10);
    return std::random_device{}();
}

const unsigned long long kSeed = SeedOfThisRun();

struct Program {
    const char* name;
    const char* sourceFile;
    const char* usageStart;  // the first words of its usage text
    bool startsClass;
    // Argument lists its grammar accepts, which the random lines start from
    // half the time: tokens alone rarely make an accepted line.
    std::vector<std::vector<std::string>> acceptedArguments;
};

class CommandLineFuzzTest : public SampleInstallation, public ::testing::WithParamInterface<Program> {
protected:
    // Argument 0 as typed, then either a few arguments glued from tokens, or
    // an accepted argument list with its words quoted or spoiled at random;
    // blanks or tabs between them. Empty arguments and unbalanced quotes arise
    // on their own.
    std::string RandomCommandLine(std::mt19937_64& random) const {
        std::string line = GetParam().name;
        if (random() % 4 == 0) line = QuoteArgument(line);
        std::vector<std::string> arguments;
        if (random() % 2 == 0) {
            const auto& accepted = GetParam().acceptedArguments;
            for (const std::string& word : accepted[random() % accepted.size()]) {
                switch (random() % 6) {
                case 0: arguments.push_back("\"" + word + "\""); break;
                case 1: arguments.push_back(word + RandomToken(random)); break;
                case 2: arguments.push_back(RandomToken(random) + word); break;
                default: arguments.push_back(word.empty() ? "\"\"" : word); break;
                }
            }
        } else {
            int count = static_cast<int>(random() % 6);
            for (int argument = 0; argument < count; ++argument) {
                std::string glued;
                int tokens = static_cast<int>(random() % 4);
                for (int token = 0; token < tokens; ++token) glued += RandomToken(random);
                arguments.push_back(glued);
            }
        }
        for (const std::string& argument : arguments) line += (random() % 5 == 0 ? "\t" : " ") + argument;
        return line;
    }

    static const std::string& RandomToken(std::mt19937_64& random) { return kTokens[random() % kTokens.size()]; }

    // What stands on standard output when the command answers.
    std::vector<std::string> PossibleAnswers() const {
        if (GetParam().startsClass) return {""};
        return {"", std::string(kSampleVersion) + "\r\n", ModuleDir() + "\r\n"};
    }
};

TEST_P(CommandLineFuzzTest, EveryRunEndsCleanly) {
    const Program& program = GetParam();
    // Each program draws from a stream of its own, so one replays alone.
    std::mt19937_64 random(kSeed + std::hash<std::string>{}(program.name));
    std::printf("fuzz seed %llu (QORTEST_FUZZ_SEED=%llu replays it)\n", kSeed, kSeed);
    Environment environment = CommandEnvironment();
    std::vector<std::string> answers = PossibleAnswers();
    // How the lines fared, printed at the end so a reader sees that both the
    // rejected and the accepted paths were taken.
    int rejected = 0;
    int succeeded = 0;

    for (int run = 0; run < kRunsPerProgram; ++run) {
        std::string line = RandomCommandLine(random);
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", run " + std::to_string(run) + ", command line [" + line + "]");
        DeleteFileA(JavaRecordPath().c_str());
        size_t logSizeBefore = ReadLog().size();

        RunningProgram running(ProgramPath(program.name), line, environment, Root());
        DWORD processId = GetProcessId(running.Process());
        ProgramResult result = running.Wait();
        std::vector<LogRecord> records = RecordsOfProcess(ParseLogRecords(ReadLog().substr(logSizeBefore)), processId);

        ASSERT_TRUE(result.exitCode == 0 || result.exitCode == 1) << "exit code " << result.exitCode;
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.front().sourceFile, program.sourceFile);
        EXPECT_EQ(records.front().message.rfind(kStarted, 0), 0u) << records.front().message;
        EXPECT_EQ(records.back().sourceFile, program.sourceFile);
        EXPECT_EQ(records.back().message, kEnded + std::to_string(result.exitCode));
        bool answered = false;
        for (const std::string& answer : answers) answered = answered || result.out == answer;
        EXPECT_TRUE(answered) << "standard output [" << result.out << "]";
        // An answer comes with success, and success with an answer.
        if (!program.startsClass) {
            EXPECT_EQ(result.out.empty(), result.exitCode != 0);
        }
        if (result.exitCode == 0) ++succeeded;
        if (result.err.find(program.usageStart) != std::string::npos) {
            ++rejected;
            EXPECT_FALSE(FileExists(JavaRecordPath())) << "a rejected line started the class";
        }
        if (program.startsClass && result.exitCode == 0) {
            EXPECT_TRUE(FileExists(JavaRecordPath())) << "success without the class";
        }
        if (HasFatalFailure()) return;
    }
    std::printf("%s: %d lines, %d rejected by the grammar, %d succeeded\n", program.name, kRunsPerProgram, rejected,
                succeeded);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLineFuzzTest,
    ::testing::Values(Program{"qorgroups", "..\\..\\src\\qorgroups\\MQorGroups", "Usage: qorgroups", true,
                              {{"query"},
                               {"query", "-detail"},
                               {"add", "-g", "REP-GRP-NAME"},
                               {"add", "-cg", "REP-GRP-NAME", "-notest"},
                               {"change", "-bg", ""},
                               {"remove", "-sg", "SNP-GRP-NAME"}}},
                      Program{"qorprobe", "..\\..\\src\\qorprobe\\MQorProbe", "Usage : qorprobe", true,
                              {{"192.0.2.1"}, {"storage-a"}, {""}}},
                      Program{"qormodule", "..\\..\\src\\qormodule\\MQorModule", "Usage : qormodule", false,
                              {{"-path"}, {"-version"}}}),
    [](const ::testing::TestParamInfo<Program>& info) { return std::string(info.param.name); });

}  // namespace
