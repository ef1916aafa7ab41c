#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "folders/ResponseFile.h"
#include "platform/runloop/NSRunLoop.h"
#include "tests/support/TempDir.h"
#include "tools/DeviceSimulator.h"

namespace {

constexpr NSTimeInterval kShortTimeLimit = 0.2;
const std::string kEarlierAnswer = "<earlier answer/>";

class CountingContext : public SOAPClientCallback {
public:
    void recieveEndCallback() override { ++calls; }
    int calls = 0;
};

NSData bytesOf(const std::string& text) {
    return NSData(text.begin(), text.end());
}

class SOAPClient : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(*folders::responseFilePath());
        std::ofstream(*folders::responseFilePath()) << kEarlierAnswer;
    }
    static std::string responseFile() { return readFile(*folders::responseFilePath()); }

    // One exchange as the fetch makes it: create, send once, release.
    void send(const DeviceSimulator& simulator, const std::optional<NSData>& body,
              NSTimeInterval timeLimit = kShortTimeLimit) {
        auto client = NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName(
            "http://" + simulator.address() + kFolderServicePath, &context, timeLimit);
        ASSERT_TRUE(client);
        client->sendMessage(body);
        // Neither the timer nor the connection outlives the exchange.
        EXPECT_FALSE(NSRunLoop::currentRunLoop().hasAttachments());
    }

    CountingContext context;
};

}  // namespace

TEST_F(SOAPClient, PostsTheBodyUnchangedWithExactlyTheThreeFieldsAndLengthZeroWithoutABody) {
    const std::string body = readFile(std::filesystem::path(NELVO_SOURCE_DIR) / "resources" / "listfiles.xml");
    ASSERT_FALSE(body.empty());
    DeviceSimulator simulator(answeringWith("<answer/>"));
    send(simulator, bytesOf(body));

    // Without a body, or with an empty one, the length is zero.
    send(simulator, std::nullopt);
    send(simulator, NSData{});

    const auto requests = simulator.requests();
    ASSERT_EQ(requests.size(), 3u);
    const auto fields = [](const RecordedRequest& r) {
        return std::vector<std::string>{r.method,
                                        r.path,
                                        r.headerValues("SOAPAction").at(0),
                                        r.headerValues("Content-Type").at(0),
                                        r.headerValues("Content-Length").at(0),
                                        r.body};
    };
    EXPECT_EQ(fields(requests[0]),
              (std::vector<std::string>{"POST", "/nelvo-mfp-srv", "\"SoapActionDummy\"",
                                        "application/soap; charset=\"utf-8\"", std::to_string(body.size()), body}));
    for (const RecordedRequest& request : {requests[1], requests[2]})
        EXPECT_EQ(fields(request)[4] + fields(request)[5], "0");
    for (const RecordedRequest& request : requests)
        for (const char* name : {"SOAPAction", "Content-Type", "Content-Length"})
            EXPECT_EQ(request.headerValues(name).size(), 1u);
}

TEST_F(SOAPClient, AQuickAnswerReplacesTheResponseFileWithExactlyItsBodyForThisUserOnly) {
    const std::string answer = std::string("<folders>\0\xff</folders>", 21);
    DeviceSimulator simulator(answeringWith(answer));
    send(simulator, bytesOf("<request/>"));

    EXPECT_EQ(context.calls, 0);
    EXPECT_EQ(responseFile(), answer);
    struct stat info {};
    ASSERT_EQ(stat((*folders::responseFilePath()).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(SOAPClient, ALinkPlantedAtTheResponseFileIsReplacedNotWrittenThrough) {
    const TempDir elsewhere;
    const auto target = elsewhere.write("target.xml", "untouched");
    std::filesystem::remove(*folders::responseFilePath());
    std::filesystem::create_symlink(target, (*folders::responseFilePath()));
    DeviceSimulator simulator(answeringWith("<answer/>"));
    send(simulator, bytesOf("<request/>"));

    EXPECT_EQ(readFile(target), "untouched");
    EXPECT_FALSE(std::filesystem::is_symlink(*folders::responseFilePath()));
    EXPECT_EQ(responseFile(), "<answer/>");
}

TEST_F(SOAPClient, AnErrorStatusEndsWithItsBodySaved) {
    DeviceBehaviour failing = answeringWith("<fault>busy</fault>");
    failing.status = 500;
    DeviceSimulator erring(failing);
    send(erring, bytesOf("<request/>"));
    EXPECT_EQ(responseFile(), "<fault>busy</fault>");
    EXPECT_EQ(context.calls, 0);
}

// The device reads a request only once its whole announced body has come, so
// a follow-up that kept the length but lost the body would never be answered.
TEST_F(SOAPClient, EveryRedirectSendsThePostAgainWithItsBodyAndSavesTheFinalAnswer) {
    for (const int status : {301, 302, 303, 307, 308}) {
        DeviceBehaviour moved = answeringWith("<final/>");
        moved.redirectLocation = "/moved";
        moved.redirectStatus = status;
        DeviceSimulator redirecting(moved);
        send(redirecting, bytesOf("<request/>"), 60);
        EXPECT_EQ(responseFile(), "<final/>") << status;
        const auto requests = redirecting.requests();
        ASSERT_EQ(requests.size(), 2u) << status;
        EXPECT_EQ(requests[1].method + " " + requests[1].path + " " + requests[1].body, "POST /moved <request/>")
            << status;
    }
    EXPECT_EQ(context.calls, 0);
}

TEST_F(SOAPClient, ASilentOrRefusingDeviceCallsBackOnceAndTheFileStays) {
    DeviceBehaviour silent;
    silent.neverAnswer = true;
    DeviceBehaviour refusing;
    refusing.refuse = true;
    // The refusal must end the exchange by itself, long before its time limit.
    for (const auto& [behaviour, timeLimit] : {std::pair{silent, kShortTimeLimit}, std::pair{refusing, 60.0}}) {
        context.calls = 0;
        DeviceSimulator simulator(behaviour);
        send(simulator, bytesOf("<request/>"), timeLimit);
        EXPECT_EQ(context.calls, 1) << "refusing: " << behaviour.refuse;
        EXPECT_EQ(responseFile(), kEarlierAnswer);
    }
}

TEST_F(SOAPClient, AnAnswerLargerThanTheLimitIsAFailureAndOneAtTheLimitIsSaved) {
    const size_t limit = NelvoPrintPdeZlm420kJCSOAPClient::kMaximumAnswerBytes;
    DeviceSimulator oversized(answeringWith(std::string(limit + 1, 'x')));
    send(oversized, bytesOf("<request/>"), 60);
    EXPECT_EQ(context.calls, 1);
    EXPECT_EQ(responseFile(), kEarlierAnswer);

    DeviceSimulator atLimit(answeringWith(std::string(limit, 'y')));
    send(atLimit, bytesOf("<request/>"), 60);
    EXPECT_EQ(context.calls, 1);
    EXPECT_EQ(responseFile().size(), limit);
}

// The peak resident size of this process as the kernel counts it (VmHWM),
// reset first when asked, so that the next reading covers only what follows.
size_t peakResidentBytes(bool reset = false) {
    if (reset) std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;)
        if (field == "VmHWM:") {
            size_t kibibytes = 0;
            status >> kibibytes;
            return kibibytes * 1024;
        }
    ADD_FAILURE() << "no VmHWM in /proc/self/status";
    return 0;
}

// `size` zero bytes in the HTTP "deflate" coding (zlib's format).
std::string deflatedZeros(size_t size) {
    const std::string zeros(size, '\0');
    uLongf length = compressBound(size);
    std::string coded(length, '\0');
    EXPECT_EQ(
        compress(reinterpret_cast<Bytef*>(coded.data()), &length, reinterpret_cast<const Bytef*>(zeros.data()), size),
        Z_OK);
    return coded.substr(0, length);
}

TEST_F(SOAPClient, ACompressedAnswerNeverGrowsPastTheLimitInMemory) {
    const size_t limit = NelvoPrintPdeZlm420kJCSOAPClient::kMaximumAnswerBytes;
    DeviceBehaviour bomb = answeringWith(deflatedZeros(16 * limit));
    bomb.contentEncoding = "deflate";
    DeviceSimulator simulator(bomb);
    const size_t before = peakResidentBytes(true);
    send(simulator, bytesOf("<request/>"), 60);
    EXPECT_LT(peakResidentBytes(), before + 4 * limit);
    EXPECT_LE(responseFile().size(), limit);
}

TEST_F(SOAPClient, ReachesADeviceAtABracketedIPv6Address) {
    std::unique_ptr<DeviceSimulator> simulator;
    try {
        simulator = std::make_unique<DeviceSimulator>(answeringWith("<v6/>"), "::1");
    } catch (const std::exception&) {
        GTEST_SKIP() << "no IPv6 loopback here";
    }
    send(*simulator, bytesOf("<request/>"));
    EXPECT_EQ(responseFile(), "<v6/>");
}

// The typed address makes the service's URL, a bare IPv6 address in
// brackets; text that makes no URL makes no client, which calls nothing back.
TEST(FolderServiceURL, PutsABareIPv6AddressInBracketsAndTextThatIsNoURLMakesNoClient) {
    CountingContext context;
    const std::pair<const char*, const char*> cases[] = {
        {"192.168.1.20:8080", "http://192.168.1.20:8080/nelvo-mfp-srv"},
        {"fe80::1", "http://[fe80::1]/nelvo-mfp-srv"},
        {"[::1]:8080", "http://[::1]:8080/nelvo-mfp-srv"},
        {"my printer", nullptr},
        {"", nullptr},
    };
    for (const auto& [address, url] : cases) {
        const std::string made = folderServiceURLText(address);
        EXPECT_EQ(NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName(made, &context) != nullptr, url != nullptr)
            << address;
        EXPECT_EQ(url ? made : "", url ? url : "") << address;
    }
    EXPECT_EQ(context.calls, 0);
}
