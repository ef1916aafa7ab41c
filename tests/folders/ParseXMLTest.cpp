#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/TestPanel.h"
#include "tests/support/TempDir.h"
#include "tools/FolderAnswer.h"

namespace {

// The answer element `inner` inside an envelope and body; `answerName` as
// the device writes it.
std::string answerWith(const std::string& inner) {
    return "<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"urn:e\"><s:Header/><s:Body>"
           "<m:list-files-response xmlns:m=\"urn:f\">" + inner + "</m:list-files-response></s:Body></s:Envelope>";
}

std::string entry(const std::string& inner) { return "<file>" + inner + "</file>"; }

std::vector<std::string> namesOf(const FolderList& list) {
    std::vector<std::string> names;
    for (const FolderRecord& record : list) names.push_back(record.name);
    return names;
}

class ParseXML : public testing::Test {
protected:
    bool parse(const std::string& contents) { return panel->parseXML(directory.write("answer.xml", contents).string()); }

    const FolderList& list() const { return *panel->folderList; }

    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(std::make_shared<FakeHost>());
    TempDir directory;
};

}  // namespace

TEST_F(ParseXML, ReadsEveryEntryInOrderAndPrettyPrintingChangesNothing) {
    const std::vector<SimulatedFolder> folders = {{"Sales", false, false}, {"Board & Staff", true, false},
                                                  {"Archiv \xc3\x9c", false, true}};
    for (const bool pretty : {false, true}) {
        ASSERT_TRUE(parse(folderListAnswer(folders, "ok", pretty))) << pretty;
        ASSERT_EQ(list().size(), 3u);
        EXPECT_EQ(namesOf(list()), (std::vector<std::string>{"Sales", "Board & Staff", "Archiv \xc3\x9c"}));
        EXPECT_FALSE(list()[0].password);
        EXPECT_TRUE(list()[1].password);
        EXPECT_TRUE(list()[2].dir);
        EXPECT_FALSE(list()[1].dir);
        for (const FolderRecord& record : list()) EXPECT_FALSE(record.add);
    }
}

TEST_F(ParseXML, AnEmptyFilesElementIsASuccessWithAnEmptyList) {
    panel->folderList = FolderList{{"old", false, false, false}};
    EXPECT_TRUE(parse(answerWith("<result-code>ok</result-code><files/>")));
    EXPECT_TRUE(list().empty());
}

TEST_F(ParseXML, AFailingResultCodeOrNoFilesEmptiesTheList) {
    for (const std::string& inner : {"<result-code>unsupported-operation</result-code><files>" +
                                        entry("<name>A</name>") + "</files>",
                                    std::string("<result-code>ok</result-code>"),
                                    std::string("<result-code>OK</result-code><files/>")}) {
        panel->folderList = FolderList{{"old", false, false, false}};
        EXPECT_FALSE(parse(answerWith(inner))) << inner;
        ASSERT_TRUE(panel->folderList) << inner;
        EXPECT_TRUE(list().empty()) << inner;
    }
}

TEST_F(ParseXML, WithoutResultCodeTheEntriesAreRead) {
    EXPECT_TRUE(parse(answerWith("<files>" + entry("<name>A</name>") + "</files>")));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"A"});
}

TEST_F(ParseXML, OnlyTheLastFilesAndTheLastResultCodeCount) {
    EXPECT_TRUE(parse(answerWith("<result-code>busy</result-code><files>" + entry("<name>first</name>") +
                                 "</files><files>" + entry("<name>second</name>") +
                                 "</files><result-code>ok</result-code>")));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"second"});
}

TEST_F(ParseXML, FlagsAreSetOnlyByTheExactTextTrueAndOneTrueSuffices) {
    EXPECT_TRUE(parse(answerWith("<files>" + entry("<name>a</name><password>True</password><dir>TRUE</dir>") +
                                 entry("<name>b</name><password>true</password><password>false</password>") +
                                 entry("<name>c</name><dir> true</dir><dir>true</dir>") + "</files>")));
    ASSERT_EQ(list().size(), 3u);
    EXPECT_FALSE(list()[0].password);
    EXPECT_FALSE(list()[0].dir);
    EXPECT_TRUE(list()[1].password);
    EXPECT_TRUE(list()[2].dir);
}

TEST_F(ParseXML, AnEntryWithoutNameIsSkippedNotGivenTheNameBeforeIt) {
    EXPECT_TRUE(parse(answerWith("<files>" + entry("<name>A</name>") + entry("<password>true</password>") +
                                 entry("<name>B</name>") + "</files>")));
    EXPECT_EQ(namesOf(list()), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(list()[1].password);
}

TEST_F(ParseXML, CommentsAndInstructionsAmongChildrenAreNoEntriesNorFields) {
    EXPECT_TRUE(parse(answerWith("<!-- list --><files><!-- first -->" +
                                 entry("<!-- n --><name>A</name><?pi x?><password>true</password>") +
                                 "<?files?></files><!-- end -->")));
    ASSERT_EQ(namesOf(list()), std::vector<std::string>{"A"});
    EXPECT_TRUE(list()[0].password);
}

TEST_F(ParseXML, TheWalkTakesLastChildrenSoATrailingCommentHidesTheAnswer) {
    const std::string body = "<m:r><files>" + entry("<name>A</name>") + "</files></m:r>";
    EXPECT_FALSE(parse("<s:Envelope><s:Body>" + body + "<!-- trailer --></s:Body></s:Envelope>"));
    EXPECT_TRUE(list().empty());
    EXPECT_FALSE(parse("<s:Envelope><s:Body/></s:Envelope>"));
    EXPECT_TRUE(list().empty());
    // The names of envelope, body and answer are not looked at.
    EXPECT_TRUE(parse("<a><b>" + body + "</b></a>"));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"A"});
}

TEST_F(ParseXML, NamesMustMatchExactlyPrefixIncluded) {
    EXPECT_FALSE(parse(answerWith("<m:files>" + entry("<name>A</name>") + "</m:files>")));
    EXPECT_FALSE(parse(answerWith("<Files>" + entry("<name>A</name>") + "</Files>")));
    EXPECT_TRUE(parse(answerWith("<files>" + entry("<m:name>A</m:name>") + "</files>")));
    EXPECT_TRUE(list().empty());
}

TEST_F(ParseXML, AFieldsTextIsAllTheTextWithinIt) {
    EXPECT_TRUE(parse(answerWith("<files>" + entry("<name>R&amp;D <b>2</b><![CDATA[<x>]]></name>") + "</files>")));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"R&D 2<x>"});
}

TEST_F(ParseXML, WhatCannotBeLoadedLeavesTheListAsItWas) {
    const std::string valid = answerWith("<files>" + entry("<name>A</name>") + "</files>");
    for (const std::string& contents : {std::string(), std::string("not xml at all"),
                                       answerWith("<files>").substr(0, 60), std::string("<a/><b/>"),
                                       valid.substr(0, valid.size() - 3)}) {
        panel->folderList = FolderList{{"kept", false, false, false}};
        EXPECT_FALSE(parse(contents)) << contents;
        EXPECT_EQ(namesOf(list()), std::vector<std::string>{"kept"}) << contents;
    }
    EXPECT_FALSE(panel->parseXML((directory.path() / "missing.xml").string()));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"kept"});
}

TEST_F(ParseXML, AFileThatAnotherCouldHavePlantedIsNotRead) {
    const std::string valid = answerWith("<files>" + entry("<name>planted</name>") + "</files>");
    const auto real = directory.write("real.xml", valid);
    const auto link = directory.path() / "link.xml";
    std::filesystem::create_symlink(real, link);
    panel->folderList = FolderList{{"kept", false, false, false}};

    EXPECT_FALSE(panel->parseXML(link.string()));
    ASSERT_EQ(chmod(real.c_str(), 0622), 0);
    EXPECT_FALSE(panel->parseXML(real.string()));
    EXPECT_EQ(namesOf(list()), std::vector<std::string>{"kept"});
}
