#pragma once

#include "quadros/cadastro/Municipios.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QSqlDatabase>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kelpa {

// "Selecione o Município": a state, then one of its municipalities. Typing in the
// list looks for the first name (or code) that begins with what was typed, accents
// and case aside.
class TfrmListaMunicipio : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmListaMunicipio(const QSqlDatabase &db, const QString &ufInicial = QStringLiteral("AC"), QWidget *parent = nullptr);

    QComboBox *cmbUF() const { return m_estados; }
    QTableWidget *grade() const { return m_grade; }
    QLabel *lblPesquisa() const { return m_lblPesquisa; }
    QString textoPesquisa() const { return m_pesquisa; }
    std::optional<Municipio> escolhido() const;

    void selecionaEstado(const QString &uf);
    void ordenarPor(int coluna);

protected:
    bool CriticaDados() override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void preencher();
    void pesquisar(const QString &pesquisa);
    void limparPesquisa();

    QSqlDatabase m_db;
    QComboBox *m_estados = nullptr;
    QTableWidget *m_grade = nullptr;
    QLabel *m_lblPesquisa = nullptr;
    QList<Municipio> m_lista;
    QString m_pesquisa;
    int m_colunaOrdenada = 0;
    bool m_decrescente = false;
};

} // namespace kelpa
