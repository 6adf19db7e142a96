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
    int chosenFirm = -1; // slot of the chosen organization, -1 when none
    std::string ContractNo, ContractDate, Phone, Email;
    std::string AgentDirector, AgentChiefAccountant, AgentAccountant;
    std::string AgentChiefAccountantGenitive;
    std::string PrincipalChiefAccountant, PrincipalChiefAccountantGenitive;
    bool accountantSigns = false; // RadioButton2
};

// The card as "Edit" prepares it: the record's fields, the contract date or `today` when it
// is empty, and the first organization with the agent's INN chosen (AgentFirmIndex found).
AgentCardFields prepareAgentCard(DataStore& store, const std::string& today);

// The card's "OK" checks in order; empty when it may be confirmed.
std::string checkAgentCard(const AgentCardFields& fields);

// Asked at shut-down while a confirmed change is neither saved nor cancelled.
std::string unsavedAgentQuestion();

class AgentContractEditor {
public:
    // "Edit": takes the backup unless a confirmed change is still pending.
    void beginEdit(const AgentRecord& agent);
    // A confirmed card: the record takes the fields, AgentFirmIndex the chosen organization.
    void confirm(DataStore& store, const AgentCardFields& fields);
    // The window's "OK": saves "Agent" when changed (IoError keeps the flag set for a retry).
    void ok(DataStore& store);
    // The window's "Cancel": the record comes back from the backup.
    void cancel(DataStore& store);
    bool changed() const { return changed_; }

private:
    AgentRecord backup_{};
    bool changed_ = false;
};

} // namespace kestrelon
