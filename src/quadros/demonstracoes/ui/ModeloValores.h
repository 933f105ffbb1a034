#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <optional>

namespace kelpa {

// What the amount grids of the financial quadros share: while the user types in a
// cell the model shows every total as it will be once the amount is accepted, and
// it reports refused amounts and refused writes to its quadro, which tells the user.
class ModeloValores : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The text being typed in `indice`, not yet accepted. Returns the error to show
    // when no such amount can be accepted there (the cell then starts over from zero).
    virtual QString previa(const QModelIndex &indice, const QString &texto);
    // The cell's editor closed: totals show the accepted amounts again.
    virtual void encerrarPrevia();
    // Whether a cell's editor takes a minus sign, and how many characters it takes.
    virtual bool aceitaNegativo(const QModelIndex &indice) const;
    virtual int tamanhoMaximo(const QModelIndex &indice) const;

    // Everything shown again, e.g. after the figures were reloaded or recomputed.
    void atualizarTudo();
    // An older quarter is read-only until the user asks to edit it.
    void setHabilitado(bool habilita);
    bool habilitado() const { return m_habilitado; }

    static QFont fonteTotal(); // headings of totals
    static QString textoDica(QString dica); // hints keep their line breaks

signals:
    // The database refused a write; nothing changed.
    void falhou(const QString &mensagem);
    // A typed amount was not accepted in `indice`; the cell holds zero.
    void recusado(const QModelIndex &indice, const QString &mensagem);
    // An accepted amount changed what is stored.
    void alterado();

private:
    bool m_habilitado = true;
};

// The figures as they will be once the amount being typed is accepted: a copy of the
// quadro's figures that the typing changes, and the row being typed in.
template <class Dados>
class PreviaValores
{
public:
    // What the grid shows: the copy while the user types, else the figures themselves.
    const Dados *exibido(const Dados *dados) const { return m_copia ? &*m_copia : dados; }
    bool ativa() const { return m_copia.has_value(); }
    // The row being typed in (-1 when none).
    int linha() const { return m_linha; }
    // A fresh copy of `dados` for the typing in `linha`, to be changed by the caller.
    Dados &abrir(const Dados &dados, int linha)
    {
        m_copia = dados;
        m_linha = linha;
        return *m_copia;
    }
    // Drops the copy; false when there was none.
    bool fechar()
    {
        const bool havia = m_copia.has_value();
        m_copia.reset();
        m_linha = -1;
        return havia;
    }

private:
    std::optional<Dados> m_copia;
    int m_linha = -1;
};

} // namespace kelpa
