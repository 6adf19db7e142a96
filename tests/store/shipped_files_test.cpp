// Where a data folder chosen on the command line lives, and where the files that ship with
// the program are read from when the data folder is not the executable's.

#include "store_test_util.h"

#include "store/image_file.h"
#include "store/startup_load.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

TEST(ChosenDataFolder, IsAbsoluteWithOneTrailingSeparator) {
    struct Case {
        std::string chosen;
        std::string folder;
    };
    const Case cases[] = {
        {"/home/anna/.local/share/kestrelon", "/home/anna/.local/share/kestrelon/"},
        {"/home/anna/data/", "/home/anna/data/"},
        {"/srv//kestrelon/./data", "/srv/kestrelon/data/"},
        {"/", "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(dataFolderFromChosen(c.chosen), c.folder);
    }
}

TEST(ChosenDataFolder, RelativeFolderIsTakenFromTheCurrentDirectory) {
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(dataFolderFromChosen("data"), current + "/data/");
}

TEST(ChosenDataFolder, IsCutTo255Characters) {
    const std::string longName = "/" + std::string(300, 'd');
    EXPECT_EQ(dataFolderFromChosen(longName), longName.substr(0, 255));
}

TEST(ShippedFileFolder, DataFolderFirstThenBesideTheExecutable) {
    struct Case {
        const char* what;
        bool inData;
        bool inProgram;
        bool fromData;
    };
    const Case cases[] = {
        {"only in the data folder", true, false, true},
        {"only beside the executable", false, true, false},
        {"in both", true, true, true},
        {"in neither: where it ships", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder data;
        TempFolder program;
        if (c.inData) {
            data.writeFile("Tel", 60);
        }
        if (c.inProgram) {
            program.writeFile("Tel", 60);
        }
        DataStore store;
        store.DataFolder = data.path();
        store.ProgramFolder = program.path();
        EXPECT_EQ(shippedFileFolder(store, "Tel"), c.fromData ? data.path() : program.path());
    }
}

TEST(ShippedFileFolder, FindsTheHelpPagesInTheirSubfolder) {
    TempFolder data;
    TempFolder program;
    std::filesystem::create_directory(program.path() + "help");
    program.writeFile("help/index.html", "<html></html>");
    DataStore store;
    store.DataFolder = data.path();
    store.ProgramFolder = program.path();
    EXPECT_EQ(shippedFileFolder(store, "help/index.html"), program.path());
}

TEST(ShippedFileFolder, WithoutProgramFolderIsTheDataFolder) {
    TempFolder data;
    DataStore store;
    store.DataFolder = data.path();
    EXPECT_EQ(shippedFileFolder(store, "Tel"), data.path());
}

TEST(StartupLoad, PictureFilesBesideTheExecutableLoadWhenTheDataFolderLacksThem) {
    TempFolder data;
    TempFolder program;
    LogoParams tel{};
    tel.CD.set(140);
    saveImage(program.path(), files::kLogo, tel);
    GlobePixels pixels{};
    pixels.count.set(3);
    saveImage(program.path(), files::kGlobe, pixels);

    auto store = storeIn(data);
    store->ProgramFolder = program.path();
    loadStartupTables(*store);
    EXPECT_TRUE(store->TelFound);
    EXPECT_EQ(store->Tel.CD.get(), 140);
    EXPECT_EQ(store->Pixels.count.get(), 3);
    EXPECT_TRUE(folderEntries(data).empty());
}

TEST(StartupLoad, PictureFilesInTheDataFolderWinOverTheShippedOnes) {
    TempFolder data;
    TempFolder program;
    LogoParams shipped{};
    shipped.CD.set(140);
    saveImage(program.path(), files::kLogo, shipped);
    LogoParams own{};
    own.CD.set(90);
    saveImage(data.path(), files::kLogo, own);

    auto store = storeIn(data);
    store->ProgramFolder = program.path();
    loadStartupTables(*store);
    EXPECT_EQ(store->Tel.CD.get(), 90);
}

} // namespace
} // namespace kestrelon::test
