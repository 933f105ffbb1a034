#pragma once

#include "Constatacao.h"
#include "ContextoValidacao.h"

#include <QList>

namespace kelpa::validacao {

// One check of the validation. A rule reads what it needs through the context's
// connection, appends one finding per failure, and throws ErroBanco when a statement fails.
class RegraValidacao
{
public:
    virtual ~RegraValidacao() = default;
    virtual QString codigo() const = 0; // "V1" to "V19"
    virtual void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const = 0;

protected:
    Constatacao constatacao(const QString &quadro, const QString &mensagem, const QDate &periodo = {}) const
    {
        Constatacao c;
        c.regra = codigo();
        c.quadro = quadro;
        c.mensagem = mensagem;
        c.periodo = periodo;
        return c;
    }
    Constatacao constatacao(const QString &quadro, const QString &mensagem, const QDate &periodo, Moeda valorQuadro,
                            Moeda valorComparado) const
    {
        Constatacao c = constatacao(quadro, mensagem, periodo);
        c.valorQuadro = valorQuadro;
        c.valorComparado = valorComparado;
        return c;
    }
};

} // namespace kelpa::validacao
