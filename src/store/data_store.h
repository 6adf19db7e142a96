#pragma once
// Every persisted table of the program, held in memory for the whole run, with
// the counts and derived indexes that the rest of the program looks up.

#include "agent_record.h"
#include "client_record.h"
#include "firm_record.h"
#include "logo_files.h"
#include "tariff_function.h"
#include "window_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace kestrelon {

// File names inside the data folder.
namespace files {
inline constexpr const char* kFirms = "Firms";
inline constexpr const char* kFirmsDeleted = "FirmsDel";
inline constexpr const char* kClients = "Clients";
inline constexpr const char* kClientsDeleted = "ClientsDel";
inline constexpr const char* kAgent = "Agent";
inline constexpr const char* kWindowState = "FormW";
inline constexpr const char* kColumnWidths = "ArCol.ats";
inline constexpr const char* kFunctions = "Function";
inline constexpr const char* kLogo = "Tel";
inline constexpr const char* kGlobe = "Pixels";
inline constexpr const char* kMailFolder = "MailFolder";
inline constexpr const char* kPdfFolder = "PdfFolder";
inline constexpr const char* kSyncFolder = "SyncFolder";
inline constexpr const char* kEdoFolder = "EdoFolder";
inline constexpr const char* kPaymentFolder = "PaymentFolder";
inline constexpr const char* kRegisterFolder = "RegisterFolder";
inline constexpr const char* kSummaryFolder = "SummaryFolder";
inline constexpr const char* kBackupFolder = "BackupFolder";
inline constexpr const char* kPaymentNumber = "PaymentNo"; // the last payment order's number
inline constexpr const char* kPrincipal = "Principal";
inline constexpr const char* kEdo = "Edo"; // EDO participant ids and the signer's full name
} // namespace files

// The principal's organization is recognised among the organizations by this INN until the
// user names the real one in the agent contract card (kept in "Principal").
inline constexpr const char* PrincipalInn = "7712345670";

struct DataStore {
    std::string DataFolder; // with its trailing separator
    // The executable's folder, with its trailing separator: the files that ship with the
    // program are found here when the data folder has no copy of its own.
    std::string ProgramFolder;

    FirmTable Firms{};
    FirmTable FirmsDel{};
    ClientTable Clients{};
    ClientTable ClientsDel{};
    AgentRecord Agent{};
    // The INN of the organization the user named the principal ("Principal"); empty when
    // none was named, and then the fixed PrincipalInn stands.
    ShortStr<12> PrincipalChoice{};
    WindowState FormW{};
    ColumnWidths ArCol{};
    FunctionTable Functions{};
    LogoParams Tel{};
    bool TelFound = false;
    GlobePixels Pixels{};

    std::uint8_t FirmCount = 0;
    std::uint8_t DeletedFirmCount = 0;
    std::uint8_t ClientCount = 0;
    std::uint8_t DeletedClientCount = 0;
    std::uint8_t FunctionCount = 0;
    TariffFunction EditedFunction{};

    std::int32_t PrincipalFirmIndex = -1;
    std::int32_t AgentFirmIndex = -1;
    std::array<ShortStr<128>, 64> ClientFirmNames{};

    // Whole-image saves; each throws IoError and leaves the in-memory image as it is.
    void SaveFileFirm() const;
    void SaveFileFirmDel() const;
    void SaveFileClient() const;
    void SaveFileClientDel() const;
    void SaveFileAgent() const;
    void SaveFilePrincipal() const;
    void SaveFileForm() const;
    void SaveFileCol() const;
    void SaveFileFunc() const;

    // The INN by which the principal's organization is found: the one named, else the fixed one.
    std::string_view principalInn() const {
        return PrincipalChoice.empty() ? std::string_view(PrincipalInn) : PrincipalChoice.view();
    }
    // First active organization (slots 0..FirmCount-1) with this INN, or -1.
    int findFirmByInn(std::string_view inn) const;
    // Finds PrincipalFirmIndex and AgentFirmIndex again; call after any change to the
    // active organizations or to the agent contract's INN.
    void refreshFirmIndexes();
    // Entry k: name of the last active organization whose INN is contract k's FirmInn,
    // or the FirmInn text itself when none matches.
    void rebuildClientFirmNames();
};

} // namespace kestrelon
