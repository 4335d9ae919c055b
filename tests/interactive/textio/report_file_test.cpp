// The report file on disk: creation, replacement of old contents, open errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/program.hpp"
#include "support/temp_dir.hpp"
#include "textio/fatal_error.hpp"
#include "textio/report.hpp"

namespace tarniq::textio {
namespace {

using tarniq::testing::ChildProcess;
using tarniq::testing::ExitInfo;
using tarniq::testing::read_file;
using tarniq::testing::TempDir;
using tarniq::testing::write_file;

TEST(ReportFile, MissingFileIsCreatedEmpty) {
  TempDir dir;
  const auto path = dir / "new.txt";
  { const auto report = open_report_file(path.string()); }
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(read_file(path), "");
}

// An old file stays as it was until the first record, which replaces it; the
// file then ends after the last record written, even if the old one was longer.
TEST(ReportFile, OldContentsReplacedAtFirstRecord) {
  TempDir dir;
  const auto path = dir / "old.txt";
  const std::string old_contents(500, 'x');
  write_file(path, old_contents);
  const auto report = open_report_file(path.string());
  EXPECT_EQ(read_file(path), old_contents);
  report->write(Records{{"", " TARNIQ"}, false});
  EXPECT_EQ(read_file(path), "\r\n TARNIQ\r\n");  // on disk at once, nothing buffered
  report->write(Records{{" row"}, false});
  EXPECT_EQ(read_file(path), "\r\n TARNIQ\r\n row\r\n");
}

TEST(ReportFile, OpenErrors) {
  TempDir dir;
  const std::pair<std::string, ErrorNumber> cases[] = {
      {(dir / "missing" / "r.txt").string(), ErrorNumber::FileNotFound},
      {dir.path().string(), ErrorNumber::OpenFailure},
      {std::string("bad\0name", 8), ErrorNumber::FileNameError},
      {(dir / std::string(5000, 'n')).string(), ErrorNumber::FileNameError},
  };
  for (const auto& [name, number] : cases) {
    try {
      open_report_file(name);
      ADD_FAILURE() << name;
    } catch (const FatalError& error) {
      EXPECT_EQ(error.number, number) << name;
      EXPECT_EQ(error.unit, 66);
      EXPECT_EQ(error.file, name);
    }
  }
}

// A file that may not be written is error 9, with the system's reason. Root
// may write any file, so the open runs in a child without root rights.
TEST(ReportFile, PermissionDenied) {
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::group_exec |
                                               std::filesystem::perms::others_read |
                                               std::filesystem::perms::others_exec);
  const auto path = dir / "locked.txt";
  write_file(path, "x");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  constexpr int kOpened = 0, kOtherReason = 1;
  const ExitInfo ended = ChildProcess::run_unprivileged([&] {
    try {
      open_report_file(path.string());
      return kOpened;
    } catch (const FatalError& error) {
      if (error.explain() != "cannot open the report file \"" + path.string() + "\": Permission denied")
        return kOtherReason;
      return static_cast<int>(error.number);
    }
  });
  EXPECT_EQ(ended.status, static_cast<int>(ErrorNumber::PermissionDenied));
  EXPECT_EQ(read_file(path), "x");
}

TEST(FatalError, DiagnosticAndStatus) {
  const FatalError error{ErrorNumber::EndOfFile, 5, "CONIN$"};
  EXPECT_EQ(error.describe(), "severe (24): end-of-file during read, unit 5, file CONIN$");
  EXPECT_EQ(static_cast<unsigned>(error.exit_status()), 0xC0000018u);
  EXPECT_EQ(FatalError({ErrorNumber::FileNotFound, 66, "a/b"}).describe(),
            "severe (29): file not found, unit 66, file a/b");
}

}  // namespace
}  // namespace tarniq::textio
