#pragma once

#include <QHeaderView>
#include <QList>

namespace kelpa {

// A column header with a band above some neighbouring columns that names them
// together ("Planos de Assistência Médico-Hospitalar" over "Pré-Pagto", "Outras",
// "Total"). Columns outside any group take the full height.
class CabecalhoAgrupado : public QHeaderView
{
    Q_OBJECT

public:
    struct Grupo {
        int primeira = 0;
        int quantidade = 0;
        QString texto;
        QString dica;
    };

    explicit CabecalhoAgrupado(QWidget *parent = nullptr);
    void setGrupos(const QList<Grupo> &grupos);
    const QList<Grupo> &grupos() const { return m_grupos; }
    // The group a column belongs to; null when none.
    const Grupo *grupoDa(int coluna) const;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    bool viewportEvent(QEvent *evento) override;

private:
    int alturaBanda() const;

    QList<Grupo> m_grupos;
};

} // namespace kelpa
