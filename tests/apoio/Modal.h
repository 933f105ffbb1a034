#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace kelpa::teste {

// Runs `acao` on the modal window that the next exec() opens (after making it the
// active window, so that Alt+letter shortcuts reach it). Call it before exec().
void quandoAbrirModal(std::function<void(QWidget *)> acao);

} // namespace kelpa::teste

namespace kelpa::teste {

// Answers the next `quantas` modal windows one after the other by their "Retornar"
// (or their only) button, as a user leaving the validation window and then its
// serious-errors warning; the object names of the windows answered go to `abertas`.
void retornarDasJanelas(int quantas, QStringList *abertas = nullptr);

} // namespace kelpa::teste

namespace kelpa::teste {

// Started once by the test program: a modal window left open for half a minute
// fails the running test and is closed, instead of hanging the whole run.
void vigiarJanelasEsquecidas();

} // namespace kelpa::teste
