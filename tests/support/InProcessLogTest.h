// A sample installation for tests that write through CommandLog in this
// process: each test locates the log afresh, as a new process would.
#pragma once

#include "CommandLog.h"
#include "SampleInstallation.h"

#include <string>

class InProcessLogTest : public SampleInstallation {
protected:
    void SetUp() override {
        SampleInstallation::SetUp();
        if (IsSkipped()) return;
        CommandLog::ForgetLocation();
    }

    void TearDown() override {
        CommandLog::ForgetLocation();
        SampleInstallation::TearDown();
    }

    // Writes one record through a hold of its own, as the error type does.
    static void WriteRecord(const std::string& message) {
        CommandLog log;
        log.Write("..\\..\\src\\common\\CommandLogTest", 7, message);
    }
};
