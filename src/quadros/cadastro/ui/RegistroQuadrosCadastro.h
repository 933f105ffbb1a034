#pragma once

namespace kelpa {

// Registers the frames of the registration quadros and of the assets and real-estate
// registers with the quadro host; called once at start.
void registrarQuadrosCadastro();

} // namespace kelpa
