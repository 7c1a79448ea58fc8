#pragma once

namespace ornix {

class ProgramSettings;
class Ui;

// "Clear Ornix Registry Entries": asks "One Last Check...", and on Yes takes
// the map-file association away, saying "SUCCESS" only when it was there to
// take away.
void clearAssociationOnRequest(ProgramSettings& settings, Ui& ui);

}  // namespace ornix
