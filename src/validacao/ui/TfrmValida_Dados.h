#pragma once

#include "validacao/ValidacaoDados.h"

#include <QDialog>
#include <QSqlDatabase>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kelpa::validacao {

class ModeloConstatacoes;

// "Validação dos Dados": creating the window runs the validation of the operator
// (with the progress notice over the caller), then it shows the errors ("ERRO") and
// the notices ("AVISO") of the run and prints them ("Visualizar").
class TfrmValida_Dados : public QDialog
{
    Q_OBJECT

public:
    TfrmValida_Dados(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos, QWidget *parent = nullptr);

    const ResultadoValidacao &resultado() const { return m_resultado; }

    QTabWidget *paginas() const { return m_paginas; }
    QTableView *grdErro() const { return m_grdErro; }
    QTableView *grdAviso() const { return m_grdAviso; }
    QLabel *lblSemErros() const { return m_lblSemErros; }
    QLabel *lblSemAvisos() const { return m_lblSemAvisos; }
    QLabel *pnlBotoes() const { return m_pnlBotoes; }
    QPushButton *btnVisualizar() const { return m_btnVisualizar; }
    QPushButton *btnRetornar() const { return m_btnRetornar; }
    ModeloConstatacoes *modeloErros() const { return m_erros; }
    ModeloConstatacoes *modeloAvisos() const { return m_avisos; }

    // Prints both lists in one preview; lists without findings are named in a warning.
    void Visualizar();

protected:
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void montar();
    void executarValidacao();
    void carregarListas();
    void paginaMudou(int indice);
    void fechar(int resultado);

    QSqlDatabase m_db;
    QString m_codOper;
    bool m_operadoraDePlanos;
    ResultadoValidacao m_resultado;
    bool m_fechando = false;

    QTabWidget *m_paginas = nullptr;
    QTableView *m_grdErro = nullptr;
    QTableView *m_grdAviso = nullptr;
    QLabel *m_lblSemErros = nullptr;
    QLabel *m_lblSemAvisos = nullptr;
    QLabel *m_pnlBotoes = nullptr;
    QPushButton *m_btnVisualizar = nullptr;
    QPushButton *m_btnRetornar = nullptr;
    ModeloConstatacoes *m_erros = nullptr;
    ModeloConstatacoes *m_avisos = nullptr;
};

} // namespace kelpa::validacao
