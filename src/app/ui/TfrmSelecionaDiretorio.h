#pragma once

#include "TfrmModDlgConfirmaCancela.h"

class QLineEdit;
class QToolButton;

namespace kelpa {

class EstadoTrabalho;

// "Seleção de Diretório": points the program at the directory that holds Kelpa.db.
class TfrmSelecionaDiretorio : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    TfrmSelecionaDiretorio(EstadoTrabalho &estado, QString caminhoIni, QWidget *parent = nullptr);

    QLineEdit *DirectoryEdit() const { return m_diretorio; }
    QString diretorioNavegacao() const { return m_diretorioNavegacao; }

protected:
    void GravaDados() override;
    void showEvent(QShowEvent *evento) override;

private:
    void escolherPeloNavegador();

    EstadoTrabalho &m_estado;
    QString m_caminhoIni;
    QLineEdit *m_diretorio = nullptr;
    QToolButton *m_navegar = nullptr;
    QString m_diretorioNavegacao;
};

} // namespace kelpa
