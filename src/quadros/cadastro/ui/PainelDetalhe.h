#pragma once

#include <QFrame>
#include <QStringList>

class QFormLayout;
class QLabel;

namespace kelpa {

// The framed panel under a registration list that shows the current row: one
// caption and value a line, each value found by its name.
class PainelDetalhe : public QFrame
{
    Q_OBJECT

public:
    explicit PainelDetalhe(QWidget *parent = nullptr);

    // A line "caption value"; returns the value's label (named `nome`).
    QLabel *adiciona(const QString &nome, const QString &rotulo);
    // A line whose value is a widget of the caller's.
    void adiciona(const QString &rotulo, QWidget *campo);
    QLabel *valor(const QString &nome) const;
    // The values, in the order the lines were added (empty texts clear).
    void mostra(const QStringList &valores);

private:
    QFormLayout *m_form = nullptr;
    QList<QLabel *> m_valores;
};

} // namespace kelpa
