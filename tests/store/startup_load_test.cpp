// Start-up loading: the first run, the function table, failures part way, the agent
// contract, and where the data folder is.

#include "store_test_util.h"

#include "store/startup_load.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

TEST(StartupLoad, FirstRunInEmptyFolderLoadsNothingAndCreatesNothing) {
    TempFolder folder;
    auto store = storeIn(folder);
    loadStartupTables(*store);
    EXPECT_TRUE(allZero(store->Firms));
    EXPECT_TRUE(allZero(store->FirmsDel));
    EXPECT_TRUE(allZero(store->Clients));
    EXPECT_TRUE(allZero(store->ClientsDel));
    EXPECT_TRUE(allZero(store->FormW));
    EXPECT_TRUE(allZero(store->Functions));
    EXPECT_TRUE(allZero(store->Tel));
    EXPECT_EQ(store->FirmCount + store->DeletedFirmCount + store->ClientCount +
                  store->DeletedClientCount + store->FunctionCount,
              0);
    EXPECT_FALSE(store->TelFound);
    EXPECT_EQ(store->Pixels.count.get(), 0);
    EXPECT_TRUE(folderEntries(folder).empty());
}

TEST(StartupLoad, FunctionTableIsCountedAndEditorStartsFromDefaults) {
    struct Case {
        std::vector<std::size_t> named;
        int count;
    };
    const Case cases[] = {{{}, 0}, {{0, 1, 2, 4}, 3}, {{1, 2}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        TempFolder folder;
        std::string image(1472, '\0');
        for (std::size_t slot : c.named) {
            put(image, slot * kFunctionBytes, field("Scale"));
        }
        folder.writeFile("Function", image);
        auto store = storeIn(folder);
        LoadFunctionTable(*store);
        EXPECT_EQ(store->FunctionCount, c.count);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(store->EditedFunction.Thresholds[i].get(), 100 * i);
            EXPECT_EQ(store->EditedFunction.Rates[i].get(), 100);
        }
    }
}

TEST(StartupLoad, ShortFirmsFailsAfterEarlierTablesLoaded) {
    TempFolder folder;
    std::string clients(10880, '\0');
    put(clients, 26, field("7701000001"));
    folder.writeFile("Clients", clients);
    folder.writeFile("Firms", 189823, 'F');
    auto store = storeIn(folder);

    const auto error = ioErrorFrom([&] { loadStartupTables(*store); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "Read beyond end of file");
    EXPECT_EQ(error->fileName(), "Firms");
    EXPECT_EQ(store->ClientCount, 1);
    EXPECT_EQ(store->Clients[0].FirmInn, "7701000001");
}

// Organizations: slot 0 another one, slot 1 the principal, slot 2 the agent's.
void writeFirms(const TempFolder& folder) {
    std::string firms(189824, '\0');
    const char* inns[] = {"7701000001", "7712345670", "5001000002"};
    for (std::size_t slot = 0; slot < 3; ++slot) {
        put(firms, slot * kFirmBytes, field("Firm"));
        put(firms, slot * kFirmBytes + 2638, field(inns[slot]));
    }
    folder.writeFile("Firms", firms);
}

TEST(StartupLoad, MissingAgentFileStillRefreshesIndexes) {
    TempFolder folder;
    writeFirms(folder);
    auto store = storeIn(folder);
    loadStartupTables(*store);
    store->AgentFirmIndex = 7;

    EXPECT_FALSE(loadAgentContract(*store));
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
    EXPECT_EQ(store->AgentFirmIndex, -1);
    EXPECT_FALSE(folder.exists("Agent"));
}

TEST(StartupLoad, ShortAgentFileKeepsBytesReadAndRefreshesIndexes) {
    TempFolder folder;
    writeFirms(folder);
    std::string agent(100, '\0');
    put(agent, 0, field("A-17"));
    put(agent, 26, field("5001000002"));
    folder.writeFile("Agent", agent);
    auto store = storeIn(folder);
    loadStartupTables(*store);

    const auto error = ioErrorFrom([&] { loadAgentContract(*store); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "Read beyond end of file");
    EXPECT_EQ(error->fileName(), "Agent");
    EXPECT_EQ(store->Agent.AgentInn, "5001000002");
    EXPECT_EQ(store->AgentFirmIndex, 2);
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
}

TEST(DataFolder, IsTheExecutablesFolderCutTo255Characters) {
    const std::string x253(253, 'x');
    std::string ya300;
    for (int i = 0; i < 300; ++i) {
        ya300 += "я";
    }
    const std::string ya254 = ya300.substr(0, 2 * 254);
    const std::string ya200 = ya300.substr(0, 2 * 200);
    const struct {
        std::string executable;
        std::string folder;
    } cases[] = {
        {"/a/b/kestrelon", "/a/b/"},
        {"/kestrelon", "/"},
        {"bin/kestrelon", "bin/"},
        {"kestrelon", ""},                               // no folder part: never the root folder
        {"/" + x253 + "/kestrelon", "/" + x253 + "/"},   // exactly 255
        {"/" + x253 + "yy/kestrelon", "/" + x253 + "y"}, // 257 cut to 255
        {"/" + ya200 + "/kestrelon", "/" + ya200 + "/"}, // 202 characters, 402 bytes
        {"/" + ya300 + "/kestrelon", "/" + ya254},       // never half a character
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executable.substr(0, 40));
        EXPECT_EQ(dataFolderFromExecutable(c.executable), c.folder);
    }
}

TEST(DataFolder, DoesNotDependOnWorkingDirectory) {
    const auto before = std::filesystem::current_path();
    const std::string absolute = dataFolderFromExecutable("/a/b/kestrelon");
    const std::string relative = dataFolderFromExecutable("bin/kestrelon");
    TempFolder elsewhere;
    std::filesystem::current_path(elsewhere.path());
    const std::string absoluteThere = dataFolderFromExecutable("/a/b/kestrelon");
    const std::string relativeThere = dataFolderFromExecutable("bin/kestrelon");
    std::filesystem::current_path(before);
    EXPECT_EQ(absoluteThere, absolute);
    EXPECT_EQ(relativeThere, relative);
}

} // namespace
} // namespace kestrelon::test
