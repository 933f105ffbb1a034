#pragma once

#include "TfrmModDlgConfirmaCancela.h"

#include <QDateTime>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QStackedWidget;
class QToolButton;

namespace kelpa {

class DtConexao;
class EstadoTrabalho;

// "Gerar Backup" writes a gzip copy of the database into a chosen directory;
// "Recuperar Backup" puts such a copy in the database's place.
class TfrmBackupRestore : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    enum class Modo { Gerar, Recuperar };

    TfrmBackupRestore(Modo modo, EstadoTrabalho &estado, DtConexao &dados, QString caminhoIni, QWidget *parent = nullptr);

    Modo modo() const { return m_modo; }
    QLabel *label1() const { return m_label1; }
    QLineEdit *DESelectDrive() const { return m_diretorio; }
    QLineEdit *FilenameEdit1() const { return m_arquivo; }
    QToolButton *btnProcurar() const { return m_procurar; }
    QStackedWidget *PgcBackupRecupera() const { return m_paginas; }
    QProgressBar *AnBackup() const { return m_animacao; }

    // True once a restore closed the program's connection: the caller reconnects
    // (with the upgrade a restored older database may need).
    bool conexaoFechada() const { return m_conexaoFechada; }
    QString arquivoGerado() const { return m_arquivoGerado; }

    // Tests answer the browse dialogs and fix the clock.
    void setEscolher(std::function<QString(const QString &atual)> escolher) { m_escolher = std::move(escolher); }
    void setRelogio(std::function<QDateTime()> relogio) { m_relogio = std::move(relogio); }

protected:
    void GravaDados() override;
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void procurar();
    void gerar();
    void recuperar();
    void mostrarCopia(bool copiando);

    Modo m_modo;
    EstadoTrabalho &m_estado;
    DtConexao &m_dados;
    QString m_caminhoIni;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_diretorio = nullptr;
    QLineEdit *m_arquivo = nullptr;
    QToolButton *m_procurar = nullptr;
    QStackedWidget *m_paginas = nullptr;
    QProgressBar *m_animacao = nullptr;
    std::function<QString(const QString &)> m_escolher;
    std::function<QDateTime()> m_relogio;
    bool m_conexaoFechada = false;
    QString m_arquivoGerado;
};

} // namespace kelpa
