// Whole-file operations: conversion of old files, import and copy, and what a failure leaves.

#include "tallyra/core/Conversion.h"
#include "tallyra/core/Import.h"
#include "tallyra/core/RecordReader.h"
#include "tallyra/core/Results.h"
#include "tests/support/TempFolder.h"
#include "tests/tallyra_core/DataFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tallyra {
namespace {

using test::DataText;
using test::FileHash;
using test::MakeRecord;
using test::ReadFile;
using test::RecordText;
using test::WriteFile;

const char kOldFile[] =
    "1.0\r\n"
    "Dupont\r\n1\r\nCalcul\r\naux\r\n75\r\n12/05/2004 14:30:00\r\n"
    "Durand\r\n 0\r\nLecture\r\n\r\n 40\r\n13/05/2004 09:00:00\r\n";

// What the conversion makes of one old record: numbers in number form, four empty flag lines,
// index 0 and one empty entry.
std::string Converted(const std::string& name, const std::string& type, const std::string& quiz,
                      const std::string& aux, const std::string& score, const std::string& taken) {
  std::string text = name + "\r\n" + type + "\r\n" + quiz + "\r\n" + aux + "\r\n" + score +
                     "\r\n" + taken + "\r\n\r\n\r\n\r\n\r\n 0\r\n";
  for (int i = 0; i < kQuestionLines; ++i) {
    text += "\r\n";
  }
  return text;
}

int CountRecords(const std::string& path) {
  RecordReader reader;
  ResultRecord record;
  int count = 0;
  if (!reader.Open(path)) {
    return -1;
  }
  while (reader.Next(record, QuestionMode::Skip) == ReadStatus::Ok) {
    ++count;
  }
  return count;
}

class FilesTest : public ::testing::Test {
protected:
  test_support::TempFolder dir_;
  std::string data_ = dir_.File("mt.dat");
  std::string source_ = dir_.File("autre.dat");
};

TEST_F(FilesTest, OldFileIsRewrittenInPlaceWithNothingLeftBeside) {
  WriteFile(source_, kOldFile);
  ::chmod(source_.c_str(), 0640);
  ASSERT_TRUE(ConvertOldDataFile(source_));
  EXPECT_EQ(ReadFile(source_),
            "1.4\r\n" + Converted("Dupont", " 1", "Calcul", "aux", " 75", "12/05/2004 14:30:00") +
                Converted("Durand", " 0", "Lecture", "", " 40", "13/05/2004 09:00:00"));
  struct stat st {};
  ::stat(source_.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(test::FolderEntries(dir_.Path()), std::vector<std::string>{"autre.dat"});
}

TEST_F(FilesTest, OldFileEndingInsideARecordKeepsItsLines) {
  WriteFile(source_, "Nom\r\nDupont\r\n 2\r\nCalcul");
  ASSERT_TRUE(ConvertOldDataFile(source_));
  EXPECT_EQ(ReadFile(source_), "1.4\r\n" + Converted("Dupont", " 2", "Calcul", "", " 0", ""));
  EXPECT_FALSE(ConvertOldDataFile(dir_.File("absent.dat")));
  EXPECT_EQ(test::FolderEntries(dir_.Path()), std::vector<std::string>{"autre.dat"});
}

TEST_F(FilesTest, ImportCreatesTheDataFileAndTwiceDoublesTheRecords) {
  const std::string records = RecordText(MakeRecord("Dupont", "Calcul", 75, "d t", 2)) +
                              RecordText(MakeRecord("Durand", "Lecture", 40));
  WriteFile(source_, "1.4\r\n" + records);
  int count = 0;
  ASSERT_EQ(ImportDataFile(data_, source_, &count), ImportResult::Ok);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ReadFile(data_), "1.4\r\n" + records);
  ASSERT_EQ(ImportDataFile(data_, source_), ImportResult::Ok);
  EXPECT_EQ(ReadFile(data_), "1.4\r\n" + records + records);
  const LoadOutcome load = LoadResults(data_, 0, ScoreUnit::OutOf20);
  EXPECT_EQ(ResultRows(data_, 0, ScoreUnit::OutOf20, "Dupont", "Calcul").rows.size(), 2u);
  EXPECT_EQ(test::FolderEntries(dir_.Path()), (std::vector<std::string>{"autre.dat", "mt.dat"}));
}

TEST_F(FilesTest, ImportOfAnOldFileConvertsItOnDiskFirst) {
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}));
  WriteFile(source_, kOldFile);
  ASSERT_EQ(ImportDataFile(data_, source_), ImportResult::Ok);
  const std::string converted = Converted("Dupont", " 1", "Calcul", "aux", " 75", "12/05/2004 14:30:00") +
                                Converted("Durand", " 0", "Lecture", "", " 40", "13/05/2004 09:00:00");
  // The import writes the records in its own form: flags and the entry's score as numbers.
  ResultRecord dupont = MakeRecord("Dupont", "Calcul", 75, "12/05/2004 14:30:00");
  ResultRecord durand = MakeRecord("Durand", "Lecture", 40, "13/05/2004 09:00:00");
  dupont.QuizType = 1;
  durand.AuxText.clear();
  dupont.Questions[0] = durand.Questions[0] = QuestionEntry{};
  EXPECT_EQ(ReadFile(source_), "1.4\r\n" + converted);
  EXPECT_EQ(ReadFile(data_), DataText({MakeRecord("Martin", "Calcul", 90), dupont, durand}));
}

TEST_F(FilesTest, RefusedImportsLeaveTheDataFileAsItWas) {
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}));
  const auto hash = FileHash(data_);
  const std::string good = RecordText(MakeRecord("Dupont", "Calcul", 75));
  const struct {
    std::string source;
    ImportResult result;
  } cases[] = {
      {"2.0\r\n" + good, ImportResult::SourceTooNew},
      {"1.4\r\n" + good + good.substr(0, good.size() - 20), ImportResult::SourceDamaged},
      {"1.4\r\n" + good + RecordText(MakeRecord("Gros", "Q", 1, "d t", 402)), ImportResult::SourceDamaged},
  };
  for (const auto& c : cases) {
    WriteFile(source_, c.source);
    EXPECT_EQ(ImportDataFile(data_, source_), c.result);
    EXPECT_EQ(FileHash(data_), hash);
  }
  EXPECT_EQ(ImportDataFile(data_, dir_.File("absent.dat")), ImportResult::SourceUnreadable);
  EXPECT_EQ(FileHash(data_), hash);
  WriteFile(data_, "2.0\r\n");
  WriteFile(source_, "1.4\r\n" + good);
  EXPECT_EQ(ImportDataFile(data_, source_), ImportResult::DataTooNew);
  EXPECT_EQ(ReadFile(data_), "2.0\r\n");
  EXPECT_EQ(test::FolderEntries(dir_.Path()), (std::vector<std::string>{"autre.dat", "mt.dat"}));
}

TEST_F(FilesTest, WithoutDataPathNothingIsAppendedButAnOldSourceIsConverted) {
  WriteFile(source_, kOldFile);
  EXPECT_EQ(ImportDataFile("", source_), ImportResult::NoDataFile);
  EXPECT_EQ(ReadFile(source_).substr(0, 5), "1.4\r\n");
  EXPECT_EQ(test::FolderEntries(dir_.Path()), std::vector<std::string>{"autre.dat"});
}

TEST_F(FilesTest, SourceCutOffHalfWayThroughAPipeChangesNothing) {
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}));
  const auto hash = FileHash(data_);
  ASSERT_EQ(::mkfifo(source_.c_str(), 0600), 0);
  const std::string whole = DataText({MakeRecord("Dupont", "Calcul", 75, "d t", 20),
                                      MakeRecord("Durand", "Lecture", 40, "d t", 20)});
  std::thread writer([&] {
    const int fd = ::open(source_.c_str(), O_WRONLY);
    const std::string half = whole.substr(0, whole.size() / 2);
    EXPECT_EQ(::write(fd, half.data(), half.size()), static_cast<ssize_t>(half.size()));
    ::close(fd);  // the writer goes away a few bytes before the end of the first record
  });
  EXPECT_EQ(ImportDataFile(data_, source_), ImportResult::SourceDamaged);
  writer.join();
  EXPECT_EQ(FileHash(data_), hash);
  EXPECT_EQ(test::FolderEntries(dir_.Path()), (std::vector<std::string>{"autre.dat", "mt.dat"}));
}

TEST_F(FilesTest, DiskFullDuringImportChangesNothing) {
  std::vector<ResultRecord> existing(20, MakeRecord("Martin", "Calcul", 90, "d t", 5));
  WriteFile(data_, DataText(existing));
  WriteFile(source_, DataText(std::vector<ResultRecord>(50, MakeRecord("Dupont", "Calcul", 75, "d t", 20))));
  const auto hash = FileHash(data_);
  const off_t dataSize = static_cast<off_t>(ReadFile(data_).size());
  for (const off_t limit : {dataSize / 2, dataSize + 1000}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit small{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
      ::setrlimit(RLIMIT_FSIZE, &small);
      ::_exit(static_cast<int>(ImportDataFile(data_, source_)));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(ImportResult::WriteFailed)) << limit;
    EXPECT_EQ(FileHash(data_), hash) << limit;
    EXPECT_EQ(test::FolderEntries(dir_.Path()), (std::vector<std::string>{"autre.dat", "mt.dat"}));
  }
}

TEST_F(FilesTest, RecordStillBeingWrittenStaysWholeAfterTheImport) {
  const std::string partner = RecordText(MakeRecord("EnCours", "Calcul", 60));
  const std::string head = partner.substr(0, 40);
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}) + head);
  WriteFile(source_, DataText({MakeRecord("Dupont", "Calcul", 75)}));
  ASSERT_EQ(ImportDataFile(data_, source_), ImportResult::Ok);
  // Mentiva finishes its record after the import.
  const int fd = ::open(data_.c_str(), O_WRONLY | O_APPEND);
  const std::string rest = partner.substr(40);
  ASSERT_EQ(::write(fd, rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
  ::close(fd);
  EXPECT_EQ(ReadFile(data_), DataText({MakeRecord("Martin", "Calcul", 90),
                                       MakeRecord("Dupont", "Calcul", 75)}) + partner);
}

TEST_F(FilesTest, RecordsAppendedDuringImportsAreKept) {
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}));
  WriteFile(source_, DataText(std::vector<ResultRecord>(30, MakeRecord("Dupont", "Calcul", 75, "d t", 20))));
  constexpr int kAppended = 200;
  constexpr int kImports = 5;
  const std::string record = RecordText(MakeRecord("Mentiva", "Calcul", 55, "d t", 3));
  // Appends as a cooperating writer: lock, make sure the locked file is still the data file,
  // append, unlock.
  std::thread appender([&] {
    for (int i = 0; i < kAppended; ++i) {
      for (;;) {
        const int fd = ::open(data_.c_str(), O_WRONLY | O_APPEND);
        ::flock(fd, LOCK_EX);
        struct stat held {}, current {};
        ::fstat(fd, &held);
        if (::stat(data_.c_str(), &current) == 0 && held.st_ino == current.st_ino) {
          EXPECT_EQ(::write(fd, record.data(), record.size()), static_cast<ssize_t>(record.size()));
          ::close(fd);
          break;
        }
        ::close(fd);
      }
    }
  });
  for (int i = 0; i < kImports; ++i) {
    EXPECT_EQ(ImportDataFile(data_, source_), ImportResult::Ok);
  }
  appender.join();
  EXPECT_EQ(CountRecords(data_), 1 + kImports * 30 + kAppended);
}

TEST_F(FilesTest, ImportThroughALinkKeepsTheLink) {
  const std::string target = dir_.File("vrai.dat");
  WriteFile(target, DataText({MakeRecord("Martin", "Calcul", 90)}));
  ASSERT_EQ(::symlink(target.c_str(), data_.c_str()), 0);
  WriteFile(source_, DataText({MakeRecord("Dupont", "Calcul", 75)}));
  ASSERT_EQ(ImportDataFile(data_, source_), ImportResult::Ok);
  struct stat st {};
  ASSERT_EQ(::lstat(data_.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(CountRecords(target), 2);
}

TEST_F(FilesTest, CopyOfTheDataFile) {
  const std::string copy = dir_.File("copie.dat");
  EXPECT_EQ(CopyDataFile(data_, copy), CopyResult::NoDataFile);
  EXPECT_EQ(CopyDataFile("", copy), CopyResult::NoDataFile);
  WriteFile(data_, DataText({MakeRecord("Martin", "Calcul", 90)}));
  WriteFile(copy, "ancien contenu");
  EXPECT_EQ(CopyDataFile(data_, copy), CopyResult::Ok);
  EXPECT_EQ(ReadFile(copy), ReadFile(data_));
  EXPECT_EQ(CopyDataFile(data_, data_), CopyResult::Ok);
  EXPECT_EQ(CopyDataFile(data_, dir_.File("absent/copie.dat")), CopyResult::WriteFailed);
  EXPECT_EQ(test::FolderEntries(dir_.Path()), (std::vector<std::string>{"copie.dat", "mt.dat"}));
}

} // namespace
} // namespace tallyra
