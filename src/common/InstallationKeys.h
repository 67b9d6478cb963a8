// Where the installations record themselves under HKEY_LOCAL_MACHINE.
#pragma once

inline constexpr char kRecoveryManagerKey[] = "SOFTWARE\\VMware, Inc.\\VMware vCenter Site Recovery Manager";
inline constexpr char kModulePathKey[] = "SOFTWARE\\Velcora\\Tessavar Manager Vardel Module\\CurrentVersion";
inline constexpr char kModuleVersionKey[] = "SOFTWARE\\Velcora\\Install\\Tessavar Manager Vardel Module";

// The adapter's directory inside the recovery manager's installation.
inline constexpr char kAdapterSubdirectory[] = "storage\\sra\\VelcoraTessavarManager\\";
