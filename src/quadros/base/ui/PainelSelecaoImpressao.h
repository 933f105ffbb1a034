#pragma once

#include "relatorios/ImpressaoSelecionada.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace kelpa {

// What the printing selectors share: a group of quadros to tick, "Marcar Todos",
// "Desmarcar Todos" and "Visualizar". Only quadros that have a printed form are
// offered. "Visualizar" asks its window for the date and runs the printing.
class PainelSelecaoImpressao : public QWidget
{
    Q_OBJECT

public:
    struct Opcao {
        QString legenda;
        QString dica;
        QString chave;                         // the quadro printed (a key of RegistroRelatorios)
        bool somenteOperadoraDePlanos = false; // hidden for insurers
    };

    PainelSelecaoImpressao(const QString &tituloGrupo, const QList<Opcao> &opcoes, QWidget *parent = nullptr);

    QList<QCheckBox *> caixas() const { return m_caixas; } // the offered ones, in print order
    QCheckBox *caixa(const QString &chave) const;
    QGroupBox *grupo() const { return m_grupo; }
    QPushButton *btnMarcarTodos() const { return m_marcar; }
    QPushButton *btnDesmarcarTodos() const { return m_desmarcar; }
    QPushButton *btnVisualizar() const { return m_visualizar; }
    void setDicaDesmarcar(const QString &dica);
    // A control of the window's own (a date, say) placed with the buttons, above "Visualizar".
    void adicionarAcimaDeVisualizar(QWidget *controle);

    void mostrarParaSeguradora(bool seguradora);
    void marcar(bool marcado);
    // The ticked, visible options, in print order.
    QList<relatorios::OpcaoImpressao> escolhidas() const;

    // "Visualizar": with nothing ticked, the warning `semSelecao`; otherwise the chosen
    // quadros of `dataImpressao` are read, those without data named in one warning (captions
    // after `separador`, one per line) and the others previewed. The boxes are then
    // unticked. Throws ErroBanco when the data cannot be read.
    void visualizar(const QSqlDatabase &db, const QString &operadora, const QDate &dataImpressao, const QString &semSelecao,
                    const QString &separador, const QList<relatorios::OpcaoImpressao> &escolha);

signals:
    void visualizarPedido();

private:
    QList<Opcao> m_opcoes; // parallel to m_caixas
    QList<QCheckBox *> m_caixas;
    QGroupBox *m_grupo = nullptr;
    QPushButton *m_marcar = nullptr;
    QPushButton *m_desmarcar = nullptr;
    QPushButton *m_visualizar = nullptr;
    QVBoxLayout *m_botoes = nullptr;
};

} // namespace kelpa
