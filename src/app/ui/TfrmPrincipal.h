#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;

namespace kelpa {

class DtConexao;
class EstadoTrabalho;

// The main window: the operator header, the menus, and the start-up steps that run
// when it is first shown.
class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    TfrmPrincipal(EstadoTrabalho &estado, DtConexao &dados, QWidget *parent = nullptr);

    // The start-up: configuration, database directory, compaction, connection,
    // header. False when the user cancelled the choice of a database: the program ends.
    bool iniciar();

    QLineEdit *edtCodOper() const { return m_codigo; }
    QLineEdit *edtNomeOperadora() const { return m_nome; }
    QLineEdit *edtCnpj() const { return m_cnpj; }
    QLabel *lblVersao() const { return m_versao; }
    QAction *actSelecionarDiretorio() const { return m_selecionarDiretorio; }

    void Selecionardiretriodarede1Click();

private:
    void montarCabecalho();
    void montarMenus();
    bool Conecta();
    void preencherCabecalho();
    void limparCabecalho();

    EstadoTrabalho &m_estado;
    DtConexao &m_dados;
    QLineEdit *m_codigo = nullptr;
    QLineEdit *m_nome = nullptr;
    QLineEdit *m_cnpj = nullptr;
    QLabel *m_versao = nullptr;
    QLabel *m_base = nullptr;
    QAction *m_selecionarDiretorio = nullptr;
};

} // namespace kelpa
