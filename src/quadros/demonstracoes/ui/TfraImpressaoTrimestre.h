#pragma once

#include "TfraQuadroTrimestral.h"
#include "relatorios/ImpressaoSelecionada.h"

#include <QList>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace kelpa {

// A printing selector: the user picks a quarter and any of the quadros offered, and
// "Visualizar" names those without data and previews the others as one document.
// It has no data of its own: no period buttons, no "Confirmar"; "Retornar" closes.
// Only quadros that have a printed form are offered.
class TfraImpressaoTrimestre : public TfraQuadroTrimestral
{
    Q_OBJECT

public:
    struct Opcao {
        QString legenda;
        QString dica;
        QString chave;              // the quadro printed (a key of RegistroRelatorios)
        bool somenteOperadoraDePlanos = false; // hidden for insurers
    };

    QList<QCheckBox *> opcoes() const { return m_caixas; } // the offered ones, in print order
    QCheckBox *opcao(const QString &chave) const;
    QPushButton *btnMarcarTodos() const { return m_marcar; }
    QPushButton *btnDesmarcarTodos() const { return m_desmarcar; }
    QPushButton *btnVisualizar() const { return m_visualizar; }

protected:
    TfraImpressaoTrimestre(ContextoQuadro &contexto, const QString &titulo, const QList<Opcao> &opcoes,
                           QString semSelecao, QString separadorSemDados, QWidget *parent);

    QList<QDate> PreparaQueryComboPeriodo() override { return listaTrimestres(false); }
    void InicializaFrame() override;
    void AlteraPeriodoFrame() override;
    void IncluiPeriodoFrame() override {}
    void CopiaPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override {}
    void EditaPeriodoFrame() override {}
    void HabilitaPeriodoFrame(bool) override {}
    void CancelaOperacaoFrame() override {}
    void FinalizaFrame() override {}

private:
    void marcar(bool marcado);
    void visualizar();

    QList<Opcao> m_opcoes; // parallel to m_caixas
    QList<QCheckBox *> m_caixas;
    QGroupBox *m_grupo = nullptr;
    QPushButton *m_marcar = nullptr;
    QPushButton *m_desmarcar = nullptr;
    QPushButton *m_visualizar = nullptr;
    QString m_semSelecao;
    QString m_separadorSemDados;
};

// "Impressão de Demonstrações" (quadro number 18): the financial statements of a quarter.
class TFrameImpDemonstracao : public TfraImpressaoTrimestre
{
    Q_OBJECT

public:
    explicit TFrameImpDemonstracao(ContextoQuadro &contexto, QWidget *parent = nullptr);
};

} // namespace kelpa
