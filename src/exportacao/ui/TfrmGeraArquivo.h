#pragma once

#include "ValidacaoEnvioJanela.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QToolButton;

namespace kelpa {

// "Gerar Disquete": the user picks a removable medium, a fixed disk or any folder;
// Confirm validates afresh and writes the compressed submission and OPERADORA.COD
// there. A failure keeps the dialog open on the choice, with the error shown.
class TfrmGeraArquivo : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    // `diretorioBase` is the configured base directory, which a fixed disk's target follows.
    TfrmGeraArquivo(const QSqlDatabase &db, const QString &codOper, const QString &diretorioBase,
                    QWidget *parent = nullptr);

    // Defaults to validarParaEnvio.
    void setValidacao(ValidacaoEnvioJanela validacao) { m_validacao = std::move(validacao); }
    // Directory of Expt_Kelpa.dat; the program home by default.
    void setExptdefsPath(const QString &diretorio) { m_exptdefsPath = diretorio; }
    // Fills the choice list again from the mounted volumes.
    void atualizarVolumes();
    // Adds a folder to the list and selects it (what "Pasta..." does after its dialog).
    void escolherPasta(const QString &diretorio);

    QComboBox *cmbDrive() const { return m_cmbDrive; }
    QStackedWidget *paginas() const { return m_paginas; }
    QProgressBar *pgbCopiaBanco() const { return m_pgbCopiaBanco; }
    QToolButton *btnPasta() const { return m_btnPasta; }
    // Paths written by the last successful generation.
    QString arquivoDiz() const { return m_arquivoDiz; }

public slots:
    void reject() override;

protected:
    bool CriticaDados() override;
    void GravaDados() override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void btnPastaClick();
    QString diretorioEscolhido(bool *volumeIndisponivel) const;

    QSqlDatabase m_db;
    QString m_codOper;
    QString m_diretorioBase;
    QString m_exptdefsPath;
    ValidacaoEnvioJanela m_validacao;
    QStackedWidget *m_paginas = nullptr;
    QComboBox *m_cmbDrive = nullptr;
    QToolButton *m_btnPasta = nullptr;
    QProgressBar *m_pgbCopiaBanco = nullptr;
    QProgressBar *m_aniCriando = nullptr;
    bool m_gerando = false;
    QString m_arquivoDiz;
};

} // namespace kelpa
