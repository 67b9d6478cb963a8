#include "QorGroupsFixture.h"

#include <gtest/gtest.h>

namespace {

using WorkedExampleTest = QorGroupsTest;

TEST_F(WorkedExampleTest, AddsConsistentGroupWithoutTest) {
    ProgramResult result = RunGroups({"add", "-cg", "GRP1", "-notest"});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");

    const std::string adapter = AdapterDir();
    const std::string module = ModuleDir();
    const std::string launchLine =
        "java.exe -cp \"" + adapter + "SrmAdapter.jar\" -Dcom.velcora.aldren.qvx.vdl.sysprop=\"" + module +
        "\\sys\\sys.properties\" com.velcora.aldren.qvx.addon.vmware.srm.Qorgroups \"" + adapter + "\\\" \"" +
        module + "\\\\\" \"\" \"add\" \"-cg\" \"GRP1\" \"-notest\"";

    std::vector<LogRecord> records = ReadLogRecords();
    EXPECT_EQ(MessagesOf(records),
              (std::vector<std::string>{StartRecordText("qorgroups add -cg GRP1 -notest "), StartRecordText(launchLine),
                                        EndRecordText(0), EndRecordText(0)}));
    ASSERT_EQ(records.size(), 4u);
    for (const LogRecord& record : records) {
        EXPECT_EQ(record.sourceFile, kGroupsSource);
        EXPECT_EQ(record.processId, records[0].processId);
    }
    // The launch record as it lies in the file, from the source name to the CRLF.
    EXPECT_NE(ReadLog().find(std::string(" ") + kGroupsSource + " " + std::to_string(records[1].line) + " " +
                             StartRecordText(launchLine) + "\r\n"),
              std::string::npos);

    std::vector<std::string> received = JavaReceived();
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[0], launchLine);  // the interpreter hands the line on as it is
    EXPECT_EQ(JavaArguments(), (std::vector<std::string>{"-cp", adapter + "SrmAdapter.jar",
                                                         "-Dcom.velcora.aldren.qvx.vdl.sysprop=" + module +
                                                             "\\sys\\sys.properties",
                                                         kCopyGroupClass, adapter, module + "\\", "", "add", "-cg",
                                                         "GRP1", "-notest"}));
}

}  // namespace
