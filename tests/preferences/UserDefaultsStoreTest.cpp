// The user-defaults store: what it holds, and how it keeps the user's file
// safe (private, replaced whole, never destroyed when it cannot be read).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/defaults/DomainFileText.h"
#include "platform/defaults/KeptAside.h"
#include "platform/defaults/UserDefaults.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Each test starts with a fresh store (see PreferenceFixture).
class Store : public testing::Test {
protected:
    NSUserDefaults& store() { return *NSUserDefaults::standardUserDefaults(); }
    fs::path file() { return store().fileForDomain(kDomain); }
    std::optional<nlohmann::json> reread() {
        NSUserDefaults::resetStandardUserDefaults();
        return store().persistentDomainForName(kDomain);
    }
    void writeRaw(const std::string& contents) {
        fs::create_directories(file().parent_path());
        std::ofstream(file(), std::ios::binary) << contents;
    }

    static constexpr const char* kDomain = "nelvo.mfp.Office_MFP";
};

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// Made under a umask that forbids nothing, the store's folders and file are
// still private; a file made public meanwhile is replaced whole, private again.
TEST_F(Store, WritesEveryKindOfValuePrivatelyUnderAnyUmaskAndReplacesTheFileWhole) {
    TempDir home;
    ScopedEnvironmentVariable noConfig("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnvironmentVariable newHome("HOME", home.path().string());
    NSUserDefaults::resetStandardUserDefaults();
    const mode_t previous = umask(0);
    store().setPersistentDomain({{"old", 1}}, kDomain);
    const bool written = store().synchronize();
    umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(home.path() / ".config"), 0700u);
    EXPECT_EQ(modeOf(file().parent_path()), 0700u);
    EXPECT_EQ(modeOf(file()), 0600u);

    fs::permissions(file().parent_path(), fs::perms(0755));
    fs::permissions(file(), fs::perms(0644));
    nlohmann::json domain = {
        {"Job Control",
         {{"hold button", -2147483647 - 1},
          {"user name", std::string("Zo\xeb")},
          {"pass code", "A0"},
          {"authentication", false},
          {"files",
           nlohmann::json::array({{{"name", "Reports"}, {"password", true}, {"dir", false}, {"add", false}}})}}},
        {"other", "kept"}};
    store().setPersistentDomain(domain, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(modeOf(file()), 0600u);
    EXPECT_EQ(modeOf(file().parent_path()), 0700u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file().parent_path()), fs::directory_iterator()), 1);
    domain["Job Control"]["user name"] = "Zo\ufffd";  // not UTF-8: replacement characters
    EXPECT_EQ(reread(), domain);
}

std::string nested(size_t depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

// Whatever sits at the domain's path and cannot be read counts as no domain,
// is kept aside at the next write, and the domain is written afresh.
TEST_F(Store, WhatCannotBeReadAtTheDomainsPathIsNoDomainAndIsKeptAsideBeforeTheNextWrite) {
    const std::pair<const char*, std::optional<std::string>> unreadable[] = {
        {"torn", "{\"Job Control\": {\"hold butt"},
        {"array", "[1, 2]"},
        {"deep", "{\"Job Control\": {}, \"x\": " + nested(100000) + "}"},
        {"folder", std::nullopt},
        {"fifo", std::nullopt},
    };
    for (const auto& [kind, contents] : unreadable) {
        SCOPED_TRACE(kind);
        NSUserDefaults::resetStandardUserDefaults();
        fs::remove_all(file().parent_path());
        fs::create_directories(file().parent_path());
        if (contents) writeRaw(*contents);
        if (kind == std::string("folder")) fs::create_directories(file() / "inside");
        if (kind == std::string("fifo")) {
            ASSERT_EQ(mkfifo(file().c_str(), 0600), 0);
        }
        EXPECT_FALSE(store().persistentDomainForName(kDomain));
        store().setPersistentDomain({{"fresh", true}}, kDomain);
        ASSERT_TRUE(store().synchronize());
        const std::string keptAside = file().string() + ".corrupt";
        EXPECT_TRUE(fs::exists(keptAside));
        EXPECT_EQ(contents ? readFile(keptAside) : "", contents.value_or(""));
        EXPECT_EQ(reread(), nlohmann::json({{"fresh", true}}));
    }
}

TEST_F(Store, KeepsNestingBelowTheLimitUnderAnyKeyAndWritesItCompactly) {
    const std::string text = "{\"Job Control\": {\"hold button\": 1}, \"other\": " + nested(30) + "}";
    writeRaw(text);
    nlohmann::json domain = *store().persistentDomainForName(kDomain);
    domain["Job Control"]["hold button"] = 2;
    store().setPersistentDomain(domain, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(reread(), domain);
    EXPECT_LE(readFile(file()).size(), text.size() + 1);

    // Nesting that no file could bring is not written either, and says so.
    store().setPersistentDomain(nlohmann::json::parse("{\"x\": " + nested(40) + "}"), kDomain);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store().synchronize());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("nested too deeply"), std::string::npos);
    EXPECT_EQ(reread(), domain);
}

TEST_F(Store, LongNamesKeepOneFileEachAndAFailedWriteIsReported) {
    std::string queue;
    for (int i = 0; i < 40; ++i)
        queue += "\u5370";  // 40 CJK characters: 360 bytes once encoded
    const std::string first = "nelvo.mfp." + queue, second = "nelvo.mfp." + queue + "2";
    store().setPersistentDomain({{"queue", 1}}, first);
    store().setPersistentDomain({{"queue", 2}}, second);
    ASSERT_TRUE(store().synchronize());
    EXPECT_LE(store().fileForDomain(first).filename().string().size(), 200u);
    EXPECT_NE(store().fileForDomain(first), store().fileForDomain(second));
    NSUserDefaults::resetStandardUserDefaults();
    EXPECT_EQ(store().persistentDomainForName(first), nlohmann::json({{"queue", 1}}));
    EXPECT_EQ(store().persistentDomainForName(second), nlohmann::json({{"queue", 2}}));

    fs::remove_all(store().folder());
    std::ofstream(store().folder()) << "a file where the folder belongs";
    store().setPersistentDomain({{"queue", 3}}, first);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store().synchronize());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("user-defaults: cannot write "), std::string::npos);
}

size_t temporariesBeside(const fs::path& file) {
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        if (entry.path().filename().string().rfind(file.filename().string() + ".", 0) == 0) ++count;
    return count;
}

TEST_F(Store, RemovesOnlyTheTemporaryCopiesWhoseWriterIsGone) {
    store().setPersistentDomain({{"a", 1}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    const std::string abandoned = file().string() + ".k1LL3d", live = file().string() + ".w41t1n";
    for (const std::string& copy : {abandoned, live})
        std::ofstream(copy) << "{\"pass code\": \"secret\"}";
    fs::permissions(abandoned, fs::perms(0600));
    fs::permissions(live, fs::perms(0600));
    const int writer = open(live.c_str(), O_RDONLY);
    ASSERT_EQ(flock(writer, LOCK_EX), 0);
    store().setPersistentDomain({{"a", 2}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    close(writer);
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(live));
}

// Writers killed at random points: the file is always one whole version,
// and the next write leaves no temporary copy of the secrets behind.
TEST_F(Store, AWriterKilledAnywhereLeavesAWholeFileAndNoCopyAfterTheNextWrite) {
    const nlohmann::json older = {{"pass code", std::string(200000, 'a')}};
    const nlohmann::json newer = {{"pass code", std::string(100000, 'b')}};
    store().setPersistentDomain(older, kDomain);
    ASSERT_TRUE(store().synchronize());
    std::mt19937 random(13);
    int killedWithACopyLeft = 0;
    for (int run = 0; run < 120; ++run) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int round = 0;; ++round) {
                NSUserDefaults::resetStandardUserDefaults();
                NSUserDefaults::standardUserDefaults()->setPersistentDomain(round % 2 ? older : newer, kDomain);
                if (round == 0 && ::write(started[1], "1", 1) != 1) _exit(1);
                NSUserDefaults::standardUserDefaults()->synchronize();
            }
        }
        char signal = 0;
        ASSERT_EQ(::read(started[0], &signal, 1), 1);
        // A random point of the writer's work: busy, not asleep.
        std::atomic<unsigned> spin = random() % 3000000;
        while (spin.fetch_sub(1, std::memory_order_relaxed) > 0) {}
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        close(started[0]);
        close(started[1]);
        if (temporariesBeside(file()) > 0) ++killedWithACopyLeft;
        const std::optional<nlohmann::json> onDisk = reread();
        ASSERT_TRUE(onDisk == older || onDisk == newer) << "run " << run;
        store().setPersistentDomain(newer, kDomain);
        ASSERT_TRUE(store().synchronize());
        ASSERT_EQ(temporariesBeside(file()), 0u) << "run " << run;
    }
    RecordProperty("killedWithACopyLeft", killedWithACopyLeft);
}

// One file the size of an attack (a device's list of half a million folders)
// would slow every later dialog: larger than the limit, a file is not read
// (and is kept aside at the next write), a domain is not written, and both
// are said.
TEST_F(Store, AFileOrADomainLargerThanTheLimitIsNeitherReadNorWrittenAndItIsSaid) {
    const nlohmann::json large = {{"x", std::string(defaults::kMostFileBytes, 'a')}};
    writeRaw(large.dump());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store().persistentDomainForName(kDomain));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("is not read"), std::string::npos);
    store().setPersistentDomain({{"fresh", true}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(fs::file_size(file().string() + ".corrupt"), large.dump().size());

    store().setPersistentDomain(large, kDomain);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store().synchronize());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("more than the"), std::string::npos);
    EXPECT_EQ(reread(), nlohmann::json({{"fresh", true}}));
}

// Queue names whose file names come closest to the file system's limit: a
// corrupt file is still kept aside, under every number a copy may take, and
// a file an earlier version named in full is still read, then replaced.
TEST_F(Store, NamesNearTheLimitKeepEveryCopyAsideAndAFormerlyNamedFileIsTakenOver) {
    for (const std::string& queue : {std::string("ab") + std::string(76, '+'), std::string("a") + std::string(77, '+'),
                                     std::string("ab") + std::string(77, '+')}) {
        const std::string domain = "nelvo.mfp." + queue;
        SCOPED_TRACE(queue.size());
        NSUserDefaults::resetStandardUserDefaults();
        fs::remove_all(store().folder());
        fs::create_directories(store().folder());
        const fs::path file = store().fileForDomain(domain);
        for (int round = 0; round <= defaults::kMostKeptAside; ++round) {
            std::ofstream(file) << "torn " << round;
            NSUserDefaults::resetStandardUserDefaults();
            store().setPersistentDomain({{"round", round}}, domain);
            ASSERT_TRUE(store().synchronize()) << round;
        }
        for (const auto& entry : fs::directory_iterator(store().folder()))
            EXPECT_LE(entry.path().filename().string().size(), 255u);

        // What an earlier version wrote under the name in full.
        const std::string former = "nelvo.mfp." + queue.substr(0, queue.find('+'));
        std::string encoded = former;
        for (size_t i = 0; i < queue.size() - queue.find('+'); ++i)
            encoded += "%2B";
        fs::remove_all(store().folder());
        fs::create_directories(store().folder());
        std::ofstream(store().folder() / (encoded + ".json")) << R"({"kept": 1})";
        NSUserDefaults::resetStandardUserDefaults();
        EXPECT_EQ(store().persistentDomainForName(domain), nlohmann::json({{"kept", 1}}));
        store().setPersistentDomain({{"kept", 2}}, domain);
        ASSERT_TRUE(store().synchronize());
        NSUserDefaults::resetStandardUserDefaults();
        EXPECT_EQ(store().persistentDomainForName(domain), nlohmann::json({{"kept", 2}}));
        EXPECT_EQ(std::distance(fs::directory_iterator(store().folder()), fs::directory_iterator()), 1);
    }
}

// Copies kept aside by an earlier version, a hundred of them: the newest few
// stay, renumbered in order, and the file is written again.
TEST_F(Store, OnlyTheNewestCopiesAreKeptAside) {
    fs::create_directories(file().parent_path());
    for (int copy = 0; copy < 100; ++copy)
        std::ofstream(file().string() + ".corrupt" + (copy ? "." + std::to_string(copy) : "")) << "copy " << copy;
    writeRaw("newest torn");
    store().setPersistentDomain({{"a", 1}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    std::vector<std::string> kept;
    for (int copy = 0; copy < defaults::kMostKeptAside; ++copy)
        kept.push_back(readFile(file().string() + ".corrupt" + (copy ? "." + std::to_string(copy) : "")));
    EXPECT_EQ(kept, (std::vector<std::string>{"copy 96", "copy 97", "copy 98", "copy 99", "newest torn"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(file().parent_path()), fs::directory_iterator()),
              defaults::kMostKeptAside + 1);
    EXPECT_EQ(reread(), nlohmann::json({{"a", 1}}));
}

// Two dialogs found the same corrupt file; the other one wrote first. The
// file is read again under the store's lock: the other's valid file is
// replaced, not kept aside as corrupt.
TEST_F(Store, AFileAnotherWriterMendedMeanwhileIsNotKeptAside) {
    writeRaw("torn");
    EXPECT_FALSE(store().persistentDomainForName(kDomain));
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        NSUserDefaults::resetStandardUserDefaults();
        NSUserDefaults& itsStore = *NSUserDefaults::standardUserDefaults();
        itsStore.persistentDomainForName(kDomain);
        itsStore.setPersistentDomain({{"first", 1}}, kDomain);
        _exit(itsStore.synchronize() ? 0 : 1);
    }
    int status = -1;
    waitpid(other, &status, 0);
    ASSERT_EQ(status, 0);
    store().setPersistentDomain({{"second", 2}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(readFile(file().string() + ".corrupt"), "torn");
    EXPECT_FALSE(fs::exists(file().string() + ".corrupt.1"));
    EXPECT_EQ(reread(), nlohmann::json({{"second", 2}}));
}

}  // namespace
