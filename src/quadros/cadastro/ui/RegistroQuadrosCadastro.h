#pragma once

namespace kelpa {

// Registers the frames of Quadros 1 and 2 with the quadro host; called once at start.
void registrarQuadrosCadastro();

} // namespace kelpa
