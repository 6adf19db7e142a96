#pragma once
// Start-up after DataFolder is fixed: the tables are loaded, then every window is
// created once, in the program's fixed order, and the windows are joined to each other.

#include "tform_main.h"
#include "ui/widgets/app_context.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace kestrelon {

class TForm1;
class TForm2;
class TFormAddAgent;
class TFormAddClient;
class TFormAgent;
class TFormBank;
class TFormClient;
class TFormDelFirm;
class TFormDelFirm1;
class TFormDelFunc;
class TFormFirm;
class TFormFunc;
class TFormRekvizit;
class TFormSave;
class TForm23;
class TFormChangeRep;
class TFormDelRep;
class TFormErrNDS;
class TFormReport;
class TFormReportList;
class TFormSlk;

// Once the main window is on the screen, in a folder that takes saves and whose lock this copy
// holds: the removal of the temporary files that killed saves left there (said only when a
// removal fails). Nothing reads them, and the folder's listing can wait for the first paint.
void removeLeftoversOfKilledSaves(const DataStore& store, MessageSink& messages);

// Loads the tables read before any window exists. On a file error shows the error with
// the file's full name and returns false: the program must stop before any window.
bool loadTablesAtStartup(DataStore& store, MessageSink& messages);

// The main window owns every other window (they are its Qt children).
struct ProgramWindows {
    std::unique_ptr<TFormMain> FormMain;
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TFormFunc* FormFunc = nullptr;
    TFormDelFunc* FormDelFunc = nullptr;
    TFormFirm* FormFirm = nullptr;
    TFormRekvizit* FormRekvizit = nullptr;
    TFormBank* FormBank = nullptr;
    TFormDelFirm* FormDelFirm = nullptr;
    TFormSave* FormSave = nullptr;
    TFormAgent* FormAgent = nullptr;
    TFormClient* FormClient = nullptr;
    TFormAddClient* FormAddClient = nullptr;
    TFormDelFirm1* FormDelFirm1 = nullptr;
    TFormAddAgent* FormAddAgent = nullptr;
    TFormReport* FormReport = nullptr;
    TFormSlk* FormSlk = nullptr;
    TFormReportList* FormReportList = nullptr;
    TFormChangeRep* FormChangeRep = nullptr;
    TFormDelRep* FormDelRep = nullptr;
    TFormErrNDS* FormErrNDS = nullptr;
    TForm23* Form23 = nullptr;
};

// Creates the windows in start-up order, doing each window's creation work.
std::unique_ptr<ProgramWindows> createProgramWindows(AppContext& context);
// The same in two steps: the main window alone, then every other window attached to it.
std::unique_ptr<ProgramWindows> createMainWindow(AppContext& context);
void createOtherWindows(ProgramWindows& windows, AppContext& context);

// The whole run: fixes DataFolder from the executable's path, loads the tables, creates the
// windows, shows the main window and runs the event loop until it closes. Returns the exit
// code: non-zero when start-up stopped on a file error. `onShown` runs once the main window
// is shown (tests and benchmarks use it to drive or close the window). A non-empty
// `dataFolder` is used instead of the executable's folder; the shipped files are still found
// beside the executable when it lacks them.
// What runProgram returns when a backup was restored: the caller starts the program again.
inline constexpr int kRestartProgram = 75;

int runProgram(const std::filesystem::path& executable, MessageSink& messages,
               const std::function<void(ProgramWindows&)>& onShown = {},
               const std::filesystem::path& dataFolder = {});

} // namespace kestrelon
