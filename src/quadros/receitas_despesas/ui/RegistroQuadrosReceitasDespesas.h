#pragma once

namespace kelpa {

// Registers the frames of the revenue and expense quadros with the quadro host:
// Quadro 8, net consideration (quadro number 9). Called once at start.
void registrarQuadrosReceitasDespesas();

} // namespace kelpa
