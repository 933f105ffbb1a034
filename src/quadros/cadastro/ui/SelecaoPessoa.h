#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

class QWidget;

namespace kelpa {

// How the registration quadros pick a person of the register or create one. The
// caller keeps the number returned; it never looks the person up again by name.
namespace SelecaoPessoa {

// Opens the person list; when it has nobody to offer, shows `mensagemListaVazia` as
// an error instead. nullopt when nothing was chosen.
std::optional<ItemPessoa> Escolhe(QWidget *pai, const QSqlDatabase &db, const QString &codOper, CadastroPessoas::FiltroTipo filtro,
                                  bool apenasAdministradores, const QString &mensagemListaVazia);

// Creates a person with the person dialog (`disposicao`: the caller's panels; natural
// or legal by `filtro`). The new person's number, or nullopt when cancelled.
std::optional<int> Cria(QWidget *pai, const QSqlDatabase &db, const QString &codOper, int disposicao,
                        CadastroPessoas::FiltroTipo filtro = CadastroPessoas::FiltroTipo::Fisicas);

// Changes a person's own data with the person dialog; true when confirmed.
bool Edita(QWidget *pai, const QSqlDatabase &db, const QString &codOper, int idPsoa, int disposicao,
           CadastroPessoas::FiltroTipo filtro = CadastroPessoas::FiltroTipo::Fisicas);

} // namespace SelecaoPessoa

} // namespace kelpa
