#include "CQorCommon.h"

#include "CQorException.h"
#include "CommandLog.h"
#include "InstallationValue.h"
#include "InstallationKeys.h"
#include "Messages.h"

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\common\\CQorCommon";

}  // namespace

// Each failure below raises from a statement of its own, so the line in its
// record tells which lookup failed, and how.

std::string GetAdapterDir() {
    CommandLog log;
    InstallationValue value = ReadInstallationValue(kRecoveryManagerKey, "InstallPath", 4);
    switch (value.outcome) {
    case InstallationRead::KeyMissing:
        throw CQorException(kSourceFile, __LINE__, Messages::kRecoveryManagerNotInstalled);
    case InstallationRead::KeyUnreadable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::ValueUnusable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::Found:
        break;
    }
    return value.text + kAdapterSubdirectory;
}

std::string GetVdlPath() {
    CommandLog log;
    InstallationValue value = ReadInstallationValue(kModulePathKey, "PathName", 3);
    switch (value.outcome) {
    case InstallationRead::KeyMissing:
        throw CQorException(kSourceFile, __LINE__, Messages::kModuleNotInstalled);
    case InstallationRead::KeyUnreadable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::ValueUnusable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::Found:
        break;
    }
    return value.text;
}

std::string GetVdlVersion() {
    CommandLog log;
    InstallationValue value = ReadInstallationValue(kModuleVersionKey, "VersionLevel", 0);
    switch (value.outcome) {
    case InstallationRead::KeyMissing:
        throw CQorException(kSourceFile, __LINE__, Messages::kModuleNotInstalled);
    case InstallationRead::KeyUnreadable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::ValueUnusable:
        throw CQorException(kSourceFile, __LINE__, Messages::kUnexpectedError);
    case InstallationRead::Found:
        break;
    }
    return value.text;
}
