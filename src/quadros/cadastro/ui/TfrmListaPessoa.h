#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QSqlDatabase>
#include <optional>

class QTableWidget;

namespace kelpa {

// "Pessoas": picks an active person of the operator (never the operator itself).
// The caller keeps the chosen person's number, never looks it up again by name.
class TfrmListaPessoa : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmListaPessoa(const QSqlDatabase &db, const QString &codOper, CadastroPessoas::FiltroTipo filtro,
                    bool apenasAdministradores = false, bool decrescente = false, QWidget *parent = nullptr);

    QTableWidget *grade() const { return m_grade; }
    std::optional<ItemPessoa> escolhida() const;
    // Sorts by a column; each click on a title turns the direction round.
    void ordenarPor(int coluna);

protected:
    bool CriticaDados() override;

private:
    void preencher();

    CadastroPessoas m_pessoas;
    CadastroPessoas::FiltroTipo m_filtro;
    bool m_apenasAdministradores;
    bool m_decrescente;
    int m_colunaOrdenada = 0;
    QTableWidget *m_grade = nullptr;
    QList<ItemPessoa> m_lista;
};

} // namespace kelpa
