#include "EstadoTrabalho.h"

#include "Utilitarios.h"

namespace kelpa {

EstadoTrabalho::EstadoTrabalho(QObject *parent)
    : QObject(parent)
{
}

bool EstadoTrabalho::operadoraDePlanos() const
{
    return EhOperadoraDePlanos(m_codOper);
}

void EstadoTrabalho::setCodOper(const QString &codigo)
{
    if (codigo == m_codOper)
        return;
    m_codOper = codigo;
    emit operadoraMudou(m_codOper);
}

void EstadoTrabalho::setNomeOperadora(const QString &nome)
{
    m_nomeOperadora = nome;
}

void EstadoTrabalho::setDtVigencia(const QDate &data)
{
    if (data == m_dtVigencia)
        return;
    m_dtVigencia = data;
    emit periodoMudou(m_dtVigencia);
}

void EstadoTrabalho::setPeriodoSelecionado(const QString &texto)
{
    m_periodoSelecionado = texto;
}

bool EstadoTrabalho::consumirBaseAtualizada()
{
    const bool valor = m_baseAtualizada;
    m_baseAtualizada = false;
    return valor;
}

void EstadoTrabalho::setVersaoBase(const VersaoKelpa &versao)
{
    m_versaoBase = versao;
    emit versaoBaseMudou();
}

} // namespace kelpa
