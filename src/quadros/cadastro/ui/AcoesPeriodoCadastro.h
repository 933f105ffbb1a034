#pragma once

#include <QDate>

class QWidget;

namespace kelpa {

class PeriodosQuadroCadastro;
struct ContextoQuadro;

// What a registration quadro tells the user about its periods: when it creates,
// copies or deletes one, and when a period cannot be used yet.
namespace AcoesPeriodoCadastro {

// True, with the notice over `area`, while there is no period or Quadro 1 is not
// complete; false, with the notice taken away, when the quadro may be used.
bool Indisponivel(ContextoQuadro &contexto, QWidget *area, const QDate &periodo);

// False (after "PERÍODO JÁ EXISTENTE") when the date already is a period.
bool Inclui(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data);
// A copy that fails leaves nothing and says so; false then, or when the date already is a period.
bool Copia(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data);
// Tells when transmitted rows keep the period.
void Exclui(QWidget *pai, PeriodosQuadroCadastro &periodos, const QDate &data);

} // namespace AcoesPeriodoCadastro

} // namespace kelpa
