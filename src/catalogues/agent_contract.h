#pragma once
// The agent contract: defaults without a file, the card's fields and checks, and the
// edit / confirm / OK / Cancel cycle with its backup.

#include "store/data_store.h"

#include <string>

namespace kestrelon {

// Without an "Agent" file: a preset principal's chief accountant, nominative and genitive.
void applyAgentDefaults(AgentRecord& agent);

// What the agent window's panel shows: the agent organization's name, or the INN text when no
// active organization has it.
std::string agentPanelText(const DataStore& store);

struct AgentCardFields {
    int chosenFirm = -1;      // slot of the chosen organization, -1 when none
    int chosenPrincipal = -1; // slot of the principal's organization, -1 when none
    std::string ContractNo, ContractDate, Phone, Email;
    std::string AgentDirector, AgentChiefAccountant, AgentAccountant;
    std::string AgentChiefAccountantGenitive;
    std::string PrincipalChiefAccountant, PrincipalChiefAccountantGenitive;
    bool accountantSigns = false; // RadioButton2
};

// The card as "Edit" prepares it: the record's fields, the contract date or `today` when it
// is empty, the first organization with the agent's INN chosen (AgentFirmIndex found), and
// the principal's organization (PrincipalFirmIndex found).
AgentCardFields prepareAgentCard(DataStore& store, const std::string& today);

// The card's "OK" checks in order; empty when it may be confirmed. The principal's
// organization must be chosen only where none has the fixed INN that named it before.
std::string checkAgentCard(const AgentCardFields& fields, const DataStore& store);

// Asked at shut-down while a confirmed change is neither saved nor cancelled.
std::string unsavedAgentQuestion();

class AgentContractEditor {
public:
    // "Edit": takes the backup unless a confirmed change is still pending.
    void beginEdit(const DataStore& store);
    // A confirmed card: the record takes the fields, AgentFirmIndex the chosen organization,
    // and the principal's choice the chosen principal's INN when it names another one.
    void confirm(DataStore& store, const AgentCardFields& fields);
    // The window's "OK": saves "Agent" when changed, then "Principal" when the principal
    // changed (IoError keeps what was not saved pending for a retry).
    void ok(DataStore& store);
    // The window's "Cancel": the record and the principal's choice come back from the backup.
    void cancel(DataStore& store);
    bool changed() const { return changed_ || principalChanged_; }

private:
    AgentRecord backup_{};
    ShortStr<12> principalBackup_{};
    bool changed_ = false;
    bool principalChanged_ = false;
};

} // namespace kestrelon
