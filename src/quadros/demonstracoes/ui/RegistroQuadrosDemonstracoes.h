#pragma once

namespace kelpa {

// Registers the frames of the financial statements with the quadro host: the
// statements grid (quadro number 16, for Quadros 11, 12 and 13), the cash flow (78)
// and the ages of balances (79). Called once at start.
void registrarQuadrosDemonstracoes();

} // namespace kelpa
