#pragma once

#include "Configuracao.h"

#include <QDate>
#include <QObject>
#include <QString>

namespace kelpa {

struct VersaoKelpa {
    QString Versao;
    QDate DataVersao;
};

// What the whole program is working on: the current operator, the period the open
// quadro shows, the configuration and the database version. One object for the
// process; windows observe its signals instead of reading scattered globals.
class EstadoTrabalho : public QObject
{
    Q_OBJECT

public:
    explicit EstadoTrabalho(QObject *parent = nullptr);

    QString codOper() const { return m_codOper; }
    QString nomeOperadora() const { return m_nomeOperadora; }
    bool operadoraDePlanos() const;
    QDate dtVigencia() const { return m_dtVigencia; }
    QDate dtUltimoCadastro() const { return m_dtUltimoCadastro; }
    QString periodoSelecionado() const { return m_periodoSelecionado; }
    bool baseAtualizada() const { return m_baseAtualizada; }
    VersaoKelpa versaoBase() const { return m_versaoBase; }
    QString diretorioBase() const { return m_configuracao.diretorioBase(); }

    Configuracao &configuracao() { return m_configuracao; }
    const Configuracao &configuracao() const { return m_configuracao; }

    void setCodOper(const QString &codigo);
    void setNomeOperadora(const QString &nome);
    void setDtVigencia(const QDate &data);
    void setDtUltimoCadastro(const QDate &data) { m_dtUltimoCadastro = data; }
    void setPeriodoSelecionado(const QString &texto);
    void setBaseAtualizada(bool atualizada) { m_baseAtualizada = atualizada; }
    // Reads the flag and clears it: the sending rule consumes it once.
    bool consumirBaseAtualizada();
    void setVersaoBase(const VersaoKelpa &versao);

signals:
    void operadoraMudou(const QString &codOper);
    void periodoMudou(const QDate &dtVigencia);
    void versaoBaseMudou();

private:
    QString m_codOper;
    QString m_nomeOperadora;
    QDate m_dtVigencia;
    QDate m_dtUltimoCadastro;
    QString m_periodoSelecionado;
    bool m_baseAtualizada = false;
    VersaoKelpa m_versaoBase;
    Configuracao m_configuracao;
};

} // namespace kelpa
