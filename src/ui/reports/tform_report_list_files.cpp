// What the report list does with the report files: "Open" reads one into the report window,
// "Del" deletes one after asking, "Sync" copies them to and from another folder, starting in the
// folder it last copied with.

#include "report_list_host.h"
#include "reports/files/report_delete.h"
#include "reports/files/report_files.h"
#include "reports/files/report_list_messages.h"
#include "reports/files/report_scan.h"
#include "reports/files/report_sync.h"
#include "reports/values/period.h"
#include "store/cp1251.h"
#include "store/folder_choice.h"
#include "store/io_error.h"
#include "tform23.h"
#include "tform_del_rep.h"
#include "tform_report_list.h"
#include "tform_year.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/kept_folder.h"
#include "ui/widgets/qt_text.h"

#include <QDir>
#include <algorithm>

namespace kestrelon {

void TFormReportList::SpeedButton3Click() {
    const int row = chosenRow();
    if (row < 0) {
        return;
    }
    openReportFile(context_.reports.list.entries[static_cast<std::size_t>(row)].FileName);
}

bool TFormReportList::openReportFile(const std::string& fileName) {
    ReportWorkspace& reports = context_.reports;
    if (host_ != nullptr && !host_->mayReplaceReport()) {
        return false;
    }
    // Saving the report that was on view lists it too: the chosen one is found again by name.
    const auto& entries = reports.list.entries;
    const auto chosen = std::find_if(entries.begin(), entries.end(), [&](const ReportListEntry& e) {
        return e.FileName == fileName;
    });
    reports.list.selected =
        chosen != entries.end() ? static_cast<std::size_t>(chosen - entries.begin()) : 0;
    try {
        if (!OpenReport(context_.store.DataFolder, fileName, *reports.record,
                        reports.currentFileName)) {
            context_.messages.showMessage(fromCp1251(messages::reportVanished(fileName)));
            rescan();
            return false;
        }
    } catch (const IoError& error) {
        showFileProblem(fileName, error.message());
        return false;
    }
    reports.StoredReportOpen = true;
    if (host_ != nullptr) {
        host_->openStoredReport();
    }
    accept();
    return true;
}

void TFormReportList::yearClicked() {
    const int row = chosenRow();
    std::optional<int> year;
    if (row >= 0) {
        year = Period::kFirstYear +
               context_.reports.list.entries[static_cast<std::size_t>(row)].PeriodYear;
    }
    year_->showYear(year);
}

void TFormReportList::SpeedButton2Click() {
    const int row = chosenRow();
    if (row < 0 || deleteDialog_ == nullptr) {
        return;
    }
    ReportList& list = context_.reports.list;
    const auto index = static_cast<std::size_t>(row);
    list.selected = index;
    const ReportListEntry entry = list.entries[index];
    if (!deleteDialog_->ask(fromCp1251(messages::deleteQuestion(entry)))) {
        return;
    }
    try {
        const std::optional<NextNumbers> numbers =
            DeleteReport(list, index, context_.store.DataFolder);
        if (!numbers) {
            // Somebody else removed or renamed it meanwhile: say so and list what is there.
            context_.messages.showMessage(fromCp1251(messages::reportVanished(entry.FileName)));
            if (rescan() && host_ != nullptr) {
                host_->showNextNumbers(nextNumbers(list));
            }
            return;
        }
        showList(list.selected);
        if (host_ != nullptr) {
            host_->showNextNumbers(*numbers);
        }
    } catch (const IoError& error) {
        showFileProblem(entry.FileName, error.message());
    }
}

bool TFormReportList::rescan() {
    ReportList& list = context_.reports.list;
    const std::size_t row = list.selected;
    try {
        list = FindFilesReport(context_.store.DataFolder);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return false;
    }
    showList(row);
    return true;
}

void TFormReportList::SpeedButton1Click() {
    if (folderDialog_ == nullptr) {
        return;
    }
    // The folder of the last copy, kept across runs, is where the choice starts; without one,
    // or when it is gone, the dialog starts where it stands.
    const QString kept = keptFolder(context_.store, FolderKind::Sync);
    if (!kept.isEmpty()) {
        folderDialog_->selectFolder(kept);
    }
    const std::optional<QString> folder = folderDialog_->chooseFolder();
    if (!folder) {
        return;
    }
    try {
        saveFolder(context_.store.DataFolder, FolderKind::Sync,
                   QDir::cleanPath(*folder).toStdString());
    } catch (const IoError& error) {
        // Only the next choice's start is lost: the copy goes ahead.
        showFileError(context_, error);
    }
    try {
        const SyncResult result = SyncReports(context_.store.DataFolder, folder->toStdString());
        context_.messages.showMessage(fromCp1251(result.message));
        if (result.rescanNeeded()) {
            context_.reports.list = FindFilesReport(context_.store.DataFolder);
            ReportGreed();
        }
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
}

void TFormReportList::showFileProblem(const std::string& fileName,
                                      const std::string& systemMessage) {
    context_.messages.showMessage(fromCp1251(messages::reportFileFailed(fileName, systemMessage)));
}

} // namespace kestrelon
