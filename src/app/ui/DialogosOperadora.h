#pragma once

#include "TfrmModDlgConfirmaCancela.h"

#include "app/CadastroOperadoras.h"

#include <QSqlDatabase>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace kelpa {

class DtConexao;
class EstadoTrabalho;

// "Lista Operadoras": the official operators not yet registered here.
class TfrmListaOperadora : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmListaOperadora(const QSqlDatabase &db, QWidget *parent = nullptr);
    QTableWidget *grade() const { return m_grade; }
    std::optional<CadastroOperadoras::OperadoraOficial> escolhida() const;
    void ordenarPor(int coluna);

protected:
    bool CriticaDados() override;

private:
    void preencher();

    CadastroOperadoras m_operadoras;
    QTableWidget *m_grade = nullptr;
    QList<CadastroOperadoras::OperadoraOficial> m_lista;
    int m_colunaOrdenada = 0;
};

// "Nova Operadora": registers an operator of the official list, confirming its code.
class TfrmCadastroOperadora : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmCadastroOperadora(const QSqlDatabase &db, QWidget *parent = nullptr);

    QLineEdit *cmbNovaOperadora() const { return m_codigo; }
    QToolButton *btnListaOperadoras() const { return m_lista; }
    QLineEdit *edtRazao_Social() const { return m_razaoSocial; }
    QLineEdit *edtCNPJ() const { return m_cnpj; }
    QLineEdit *edtCodOper() const { return m_confirmacao; }
    QString CodigoEscolhido() const { return m_codigoEscolhido; }
    void escolher(const CadastroOperadoras::OperadoraOficial &operadora);

protected:
    void GravaDados() override;

private:
    void abrirLista();

    QSqlDatabase m_db;
    QLineEdit *m_codigo = nullptr;
    QToolButton *m_lista = nullptr;
    QLineEdit *m_razaoSocial = nullptr;
    QLineEdit *m_cnpj = nullptr;
    QLineEdit *m_confirmacao = nullptr;
    QString m_codigoEscolhido;
};

// "Selecione a Operadora": which registered operator the program works on.
class TfrmSelecionaOperadora : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmSelecionaOperadora(EstadoTrabalho &estado, DtConexao &dados, QString caminhoIni, QWidget *parent = nullptr);

    QComboBox *cmbOperadora() const { return m_combo; }
    QPushButton *btIncluir() const { return m_incluir; }
    // After Cancel: the program cannot go on without an operator.
    bool encerrarPrograma() const { return m_encerrar; }
    QString codigoEscolhido() const;

public slots:
    void reject() override;

protected:
    void GravaDados() override;
    void showEvent(QShowEvent *evento) override;

private:
    void recarregarLista(const QString &posicionarEm);

    EstadoTrabalho &m_estado;
    DtConexao &m_dados;
    QString m_caminhoIni;
    QComboBox *m_combo = nullptr;
    QPushButton *m_incluir = nullptr;
    bool m_encerrar = false;
};

// "99999-9": the operator code as people write it.
QString FormataCodigoOperadora(const QString &codigo);

} // namespace kelpa
