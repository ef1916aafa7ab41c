#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"
#include "tools/FolderAnswer.h"

namespace {

// The answer element `inner` inside an envelope and body; `answerName` as
// the device writes it.
std::string answerWith(const std::string& inner, const std::string& prolog = "<?xml version=\"1.0\"?>") {
    return prolog +
           "<s:Envelope xmlns:s=\"urn:e\"><s:Header/><s:Body>"
           "<m:list-files-response xmlns:m=\"urn:f\">" +
           inner + "</m:list-files-response></s:Body></s:Envelope>";
}

std::string entry(const std::string& inner) {
    return "<file>" + inner + "</file>";
}

// The list in one line: each name with its flags, "+p" protected, "+d" dir,
// "+a" add.
std::string summary(const FolderList& list) {
    std::string text;
    for (const FolderRecord& r : list)
        text += r.name + (r.password ? "+p" : "") + (r.dir ? "+d" : "") + (r.add ? "+a" : "") + ";";
    return text;
}

// An answer file, whether it parses, and the list after it: "old;" when the
// list "old" shown before stays.
struct Answer {
    std::string contents;
    bool parsed;
    std::string list;
};

class ParseXML : public testing::Test {
protected:
    bool parse(const std::string& contents) {
        return panel->parseXML(directory.write("answer.xml", contents).string());
    }

    std::string list() const { return summary(*panel->deviceFolders.folderList); }

    void expectEach(const std::vector<Answer>& answers) {
        for (const Answer& answer : answers) {
            panel->deviceFolders.folderList = FolderList{{"old", false, false, false}};
            EXPECT_EQ(parse(answer.contents), answer.parsed) << answer.contents;
            ASSERT_TRUE(panel->deviceFolders.folderList) << answer.contents;
            EXPECT_EQ(list(), answer.list) << answer.contents;
        }
    }

    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(std::make_shared<FakeHost>());
    TempDir directory;
};

}  // namespace

TEST_F(ParseXML, ReadsEveryEntryInOrderAndPrettyPrintingChangesNothing) {
    const std::vector<SimulatedFolder> folders = {
        {"Sales", false, false}, {"Board & Staff", true, false}, {"Archiv \xc3\x9c", false, true}};
    const std::string list = "Sales;Board & Staff+p;Archiv \xc3\x9c+d;";
    expectEach(
        {{folderListAnswer(folders, "ok", false), true, list}, {folderListAnswer(folders, "ok", true), true, list}});
}

// The walk takes the last child of the envelope, of its body and of the
// answer, whatever their names; then the result code and the files decide.
TEST_F(ParseXML, TheLastChildrenTheResultCodeAndTheFilesDecideTheList) {
    const std::string a = entry("<name>A</name>");
    const std::string answerA = "<m:r><files>" + a + "</files></m:r>";
    expectEach({
        {answerWith("<files>" + a + "</files>"), true, "A;"},  // no result code counts as success
        {answerWith("<result-code>unsupported-operation</result-code><files>" + a + "</files>"), false, ""},
        {answerWith("<result-code>OK</result-code><files/>"), false, ""},
        {answerWith("<result-code>ok</result-code>"), false, ""},
        {answerWith("<result-code>busy</result-code><files>" + entry("<name>first</name>") + "</files><files>" +
                    entry("<name>second</name>") + "</files><result-code>ok</result-code>"),
         true, "second;"},
        {"<s:Envelope><s:Body>" + answerA + "<!-- trailer --></s:Body></s:Envelope>", false, ""},
        {"<s:Envelope><s:Body/></s:Envelope>", false, ""},
        {"<a><b>" + answerA + "</b></a>", true, "A;"},
        // An entry without a name is skipped, not given the name before it.
        {answerWith("<files>" + a + entry("<password>true</password>") + entry("<name>B</name>") + "</files>"), true,
         "A;B;"},
        // Names match exactly, prefix included.
        {answerWith("<m:files>" + a + "</m:files>"), false, ""},
        {answerWith("<files>" + entry("<m:name>A</m:name>") + "</files>"), true, ""},
        {answerWith("<files>" + entry("<name>R&amp;D <b>2</b><![CDATA[<x>]]></name>") + "</files>"), true, "R&D 2<x>;"},
        // Flags are set only by the exact text "true", and one suffices.
        {answerWith("<files>" + entry("<name>a</name><password>True</password><dir>TRUE</dir>") +
                    entry("<name>b</name><?pi x?><password>true</password><!-- c --><password>false</password>") +
                    entry("<name>c</name><dir> true</dir><dir>true</dir>") + "</files>"),
         true, "a;b+p;c+d;"},
        // A name that a menu or terminal would act on is skipped.
        {answerWith("<files>" + entry("<name>a&#9;b</name>") + entry("<name>\x7f</name>") +
                    entry("<name>c\xc2\x85</name>") + entry("<name>d\xc2\x9f</name>") +
                    entry("<name>&#x41;&lt;</name>") + "</files>"),
         true, "A<;"},
    });
}

TEST_F(ParseXML, WhatCannotBeLoadedLeavesTheListAsItWas) {
    const std::string valid = answerWith("<files>" + entry("<name>A</name>") + "</files>");
    const auto named = [](const std::string& name) {
        return Answer{answerWith("<files>" + entry("<name>" + name + "</name>") + "</files>"), false, "old;"};
    };
    const auto unloadable = [](const std::string& contents) { return Answer{contents, false, "old;"}; };
    expectEach({unloadable(""), unloadable("<a/><b/>"), unloadable(valid.substr(0, valid.size() - 3)),
                unloadable(valid + "junk"), unloadable("junk" + valid), named("&bogus;"), named("a & b"),
                named("a&#0;b"), named("&#27;[2J"), named("&#xD800;"), named("\x1b[2J")});
    EXPECT_FALSE(panel->parseXML((directory.path() / "missing.xml").string()));
    EXPECT_EQ(list(), "old;");
}

TEST_F(ParseXML, AnAnswerIsDecodedFromTheEncodingItNamesAndIsNotXMLWhenItCannotBe) {
    const auto declaring = [](const std::string& encoding, const std::string& name) {
        return answerWith("<files>" + entry("<name>" + name + "</name>") + "</files>",
                          "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>");
    };
    expectEach({
        {declaring("Shift_JIS", "\x89\x63\x8b\xc6"), true, "\u55b6\u696d;"},
        {declaring("EUC-JP", "\xb1\xc4\xb6\xc8"), true, "\u55b6\u696d;"},
        {declaring("windows-1252", "B\xfcro \x80"), true, "B\u00fcro \u20ac;"},
        {"\xef\xbb\xbf" + answerWith("<files>" + entry("<name>\u00c4</name>") + "</files>"), true, "\u00c4;"},
        {declaring("UTF-8", "B\xfcro"), false, "old;"},
        {answerWith("<files>" + entry("<name>\xff\xfe</name>") + "</files>", ""), false, "old;"},
        {declaring("windows-1252", "\x81"), false, "old;"},
        {declaring("UTF-8//IGNORE", "B\xfcro"), false, "old;"},
        {declaring("no-such-encoding", "x"), false, "old;"},
    });
}

TEST_F(ParseXML, AFileThatAnotherCouldHavePlantedIsNotRead) {
    const std::string valid = answerWith("<files>" + entry("<name>planted</name>") + "</files>");
    const auto real = directory.write("real.xml", valid);
    const auto link = directory.path() / "link.xml";
    std::filesystem::create_symlink(real, link);
    panel->deviceFolders.folderList = FolderList{{"kept", false, false, false}};
    EXPECT_FALSE(panel->parseXML(link.string()));
    ASSERT_EQ(chmod(real.c_str(), 0622), 0);
    EXPECT_FALSE(panel->parseXML(real.string()));
    EXPECT_EQ(list(), "kept;");
}
