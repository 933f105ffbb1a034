#pragma once

namespace kelpa {

// Registers the frames of the revenue and expense quadros with the quadro host:
// Quadros 8 and 9 (numbers 9 and 11), Quadro 10 (number 10), Quadro 9A (number 13),
// Quadro 8A (number 15) and their printing selector (number 12). Called once at start.
void registrarQuadrosReceitasDespesas();

} // namespace kelpa
