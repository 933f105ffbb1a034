#pragma once

#include "quadros/cadastro/Municipios.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QDate>
#include <QSqlDatabase>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QToolButton;

namespace kelpa {

// "Região de Atuação": the municipalities where the operator sells its plans, moved
// between the country's list and the operator's; Confirm computes the region. Nothing
// is written here: Quadro 1 saves the list with the rest of its period.
class TfrmRegiaoAtuacao : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    // `pendentes`: a list chosen earlier and not saved yet; otherwise the stored one is shown.
    TfrmRegiaoAtuacao(const QSqlDatabase &db, const QString &codOper, const QDate &periodo,
                      const std::optional<QList<Municipio>> &pendentes = std::nullopt, QWidget *parent = nullptr);

    // 0 (no municipality) to 6, after OK; 0 after Cancel.
    int Regiao() const { return m_regiao; }
    const QList<Municipio> &municipiosAtuacao() const { return m_atuacao; }

    QListWidget *lstEstados() const { return m_estados; }
    QLabel *lblEstado() const { return m_lblEstado; }
    QListWidget *lstMunicipios() const { return m_pais; }
    QTableWidget *grdAtuacao() const { return m_grade; }
    QLineEdit *edtPesquisa() const { return m_pesquisa; }
    QToolButton *btnInclui() const { return m_inclui; }
    QToolButton *btnExclui() const { return m_exclui; }
    QToolButton *btnIncluiTodos() const { return m_incluiTodos; }
    QToolButton *btnExcluiTodos() const { return m_excluiTodos; }

    void selecionaEstado(const QString &uf);
    void inclui();
    void exclui();
    void incluiTodos();
    void excluiTodos();

public slots:
    void reject() override;

protected:
    void GravaDados() override;

private:
    void mostraPais();
    void mostraAtuacao();
    void habilitaBotoes();

    QSqlDatabase m_db;
    QList<UnidadeFederativa> m_listaEstados;
    QString m_uf;
    QList<Municipio> m_doEstado;  // the current state's municipalities
    QList<Municipio> m_visiveis;  // of those, the ones not chosen that match the search
    QList<Municipio> m_atuacao;   // the operator's list, by state and name
    int m_regiao = 0;

    QListWidget *m_estados = nullptr;
    QLabel *m_lblEstado = nullptr;
    QListWidget *m_pais = nullptr;
    QLineEdit *m_pesquisa = nullptr;
    QTableWidget *m_grade = nullptr;
    QToolButton *m_inclui = nullptr;
    QToolButton *m_exclui = nullptr;
    QToolButton *m_incluiTodos = nullptr;
    QToolButton *m_excluiTodos = nullptr;
};

} // namespace kelpa
