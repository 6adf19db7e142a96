#pragma once
// What became of a change of the client contracts that the contract card or the delete question
// made. The clients window takes its snapshot of the active marks again only after "Clients" was
// written, since only then do the file's marks equal the ones in memory.

namespace kestrelon {

enum class ClientsChange {
    None,       // cancelled: nothing changed
    Saved,      // changed and "Clients" written
    SaveFailed, // changed in memory; the failed save was shown
};

} // namespace kestrelon
