#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

// The real file dialog as a request sets it up: the folder it starts in and
// the folders its sidebar offers (the pen drives).
class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pastaEAtalhos()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString pen = pasta.filePath(u"PENDRIVE"_s);
        QVERIFY(QDir().mkpath(pen));
        QWidget janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QString diretorio;
        QList<QUrl> atalhos;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            diretorio = dialogo->directory().absolutePath();
            atalhos = dialogo->sidebarUrls();
            dialogo->reject();
        });
        TPedidoArquivo pedido;
        pedido.Salvar = true;
        pedido.Titulo = u"Salvar no PenDrive..."_s;
        pedido.Filtro = u"Arquivos PenDrive (*.art)|*.art"_s;
        pedido.Pasta = pen;
        pedido.Atalhos = {pen};
        QCOMPARE(TDialogos::Perguntar(pedido), QString());
        QCOMPARE(diretorio, pen);
        QVERIFY(atalhos.contains(QUrl::fromLocalFile(pen)));
    }

    // An open dialog takes a name typed without its extension: "p1" opens "p1.ar1".
    void abrirSemExtensao()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        QFile f(pasta.filePath(u"p1.ar1"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *nome = dialogo->findChild<QLineEdit *>(u"fileNameEdit"_s);
            QVERIFY(nome);
            nome->setText(u"p1"_s);
            QTest::keyClick(nome, Qt::Key_Return);
            if (QApplication::activeModalWidget() == dialogo)
                dialogo->reject();
        });
        TPedidoArquivo pedido;
        pedido.Titulo = u"Abrir Archivo..."_s;
        pedido.Filtro = u"Tipo de Archivo (*.ar1)|*.ar1"_s;
        pedido.Extensao = u"ar1"_s;
        pedido.Pasta = pasta.path();
        QCOMPARE(TDialogos::Perguntar(pedido), pasta.filePath(u"p1.ar1"_s));
    }
};

QTEST_MAIN(TesteDialogos)
#include "tst_dialogos.moc"
