#pragma once

#include <functional>

class QWidget;

namespace kelpa::teste {

// Runs `acao` on the modal window that the next exec() opens (after making it the
// active window, so that Alt+letter shortcuts reach it). Call it before exec().
void quandoAbrirModal(std::function<void(QWidget *)> acao);

} // namespace kelpa::teste
