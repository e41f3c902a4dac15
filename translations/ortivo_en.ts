<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ErrorSourcesWindow</name>
    <message>
        <source>Fehlerquellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Quelle&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemeinsamer Versatz (ns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerhafter Satellit (Nummer, Zuschlag in m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die σ gelten für einen Satelliten im Mittel über den Himmel: tief stehende haben größere Fehler, hoch stehende kleinere. Mehr dazu mit F1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtfehler einer Entfernung (UERE, die Wurzel aus der Summe der Quadrate der eingeschalteten σ): &lt;b&gt;%1 m&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>Die Datei „%1“ kann nicht gespeichert werden. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Zugriff wurde verweigert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beim Schreiben trat ein Fehler auf; vielleicht ist der Datenträger voll (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie kann dort nicht angelegt werden (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie kann nicht gelesen werden (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter diesem Namen steht ein Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild als PNG oder SVG speichern (Strg+S)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ortivo - Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorwärts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startseite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichwort suchen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>konvergiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Kreis 1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Kreis 1/3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Schnittpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>davongelaufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitgrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unter 4 Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand berechneter – tatsächlicher Standort in Metern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iterationen je Positionsbestimmung (alle Fenster zusammen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welches Fenster aus 4 Satelliten konvergierte, woran die anderen scheiterten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konvergenz der letzten Positionsbestimmung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsbestimmung Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster (1 = die 4 nächsten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iteration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand zur 4. Kugel (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toleranz 1 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Den Verlauf leeren; die Positionsbestimmung läuft weiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Positionsbestimmung im Verlauf. Starten Sie im Hauptfenster die Positionsbestimmung; der Verlauf behält die letzten %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Positionsbestimmungen im Verlauf (Nr. %2 bis %3, höchstens die letzten %4), %5 davon mit Standort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die letzte Positionsbestimmung: noch keine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Letzte Positionsbestimmung (Nr. %1):&lt;/b&gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur %1 Satelliten empfangen, kein Fenster aus 4 Satelliten möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 möglichen Fenstern versucht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, das %2. konvergierte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, keines konvergierte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;… und %1 weitere Fenster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;Fenster %1 (Satelliten %2, %3, %4, %5): &lt;i&gt;%6&lt;/i&gt; nach %7 Iterationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (gezeigt die ersten %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>Satellitenpositionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsbestimmungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szenario öffnen… (Strg+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szenario speichern… (Strg+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellitenpositionen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verlauf der Positionsbestimmungen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist zu groß für ein Ortivo-Szenario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe – %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szenario speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe (wird beim Öffnen des Szenarios angezeigt):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szenario.ortivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szenario öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ortivo-Szenario (*.ortivo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch kein Szenario geöffnet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScatterWindow</name>
    <message>
        <source>Messungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mittlere Abweichung Ost (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mittlere Abweichung Nord (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mittlere Abweichung oben (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ Ost (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ Nord (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ oben (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS waagerecht (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS im Raum (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erwartet: PDOP × UERE (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreis mit 50 % der Standorte (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreis mit 95 % der Standorte (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streubild-Standorte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streubild-Signale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streubild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000 Messungen jetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Messung 1000-mal an diesem Ort zu diesem Zeitpunkt wiederholen, jeder Fehler jedes Mal neu gezogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standorte der Messungen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signale der Messungen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechnete Standorte um den tatsächlichen (Ost, Nord); Kreise mit 50 % (durchgezogen) und 95 % (gestrichelt) der Standorte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Residuen der letzten Ausgleichsrechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Residuum (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster oder geben Sie ihn dort ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Messung: Starten Sie im Hauptfenster die Positionsbestimmung oder wiederholen Sie die Messung hier 1000-mal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 µs (%3 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messung Nr. %1 – Uhrabweichung des Empfängers: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkyWindow</name>
    <message>
        <source>Himmelsansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Himmel über dem Empfänger: Norden oben, Osten rechts, der Zenit in der Mitte, der Horizont auf dem äußeren Ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#143c96&apos;&gt;●&lt;/span&gt; &lt;b&gt;fett:&lt;/b&gt; die 4 Satelliten, mit denen die letzte Positionsbestimmung gelang &amp;nbsp; &lt;span style=&apos;color:#143c96&apos;&gt;○&lt;/span&gt; empfangen &amp;nbsp; &lt;span style=&apos;color:#c80000&apos;&gt;✕&lt;/span&gt; defekt (nicht empfangen). Ringe: 0°, 30° und 60° Elevation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein DOP-Wert sagt, wie viel mal größer als ein Fehler der gemessenen Entfernungen der Fehler im Ergebnis wird. Unter 2 ist sehr gut, über 8 schlecht.&lt;br&gt;&lt;b&gt;GDOP&lt;/b&gt;: für Ort und Uhrzeit zusammen. &lt;b&gt;PDOP&lt;/b&gt;: für den Ort im Raum. &lt;b&gt;HDOP&lt;/b&gt;: für die Lage auf der Karte (Nord–Süd, Ost–West). &lt;b&gt;VDOP&lt;/b&gt;: für die Höhe. &lt;b&gt;TDOP&lt;/b&gt;: für die Uhrabweichung des Empfängers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Richtung der Satelliten über dem Horizont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genauigkeitsverlust durch die Geometrie (Dilution of Precision)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 verwendete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verwendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle empfangenen (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster oder geben Sie ihn dort ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noch keine Positionsbestimmung an diesem Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die letzte Positionsbestimmung fand keinen Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;4 verwendete:&lt;/b&gt; %1.&lt;br&gt;&lt;b&gt;Alle empfangenen:&lt;/b&gt; %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Ortivo-Team. Ein Lernprogramm dazu, wie ein GPS-Empfänger seinen Standort findet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Webseite des Ortivo-Teams öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dem Ortivo-Team eine E-Mail schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutzungsbedingungen: Ortivo darf in Schule, Studium und zu Hause kostenlos genutzt, kopiert und unverändert weitergegeben werden. Ein Verkauf ist nicht gestattet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haftungsausschluss: Ortivo wird ohne jede Gewährleistung bereitgestellt. Die Simulation vereinfacht die Wirklichkeit und taugt nicht zur Navigation. Für Schäden aus der Nutzung wird nicht gehaftet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2DDemo</name>
    <message>
        <source>2D-Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3DDemo</name>
    <message>
        <source>3D-Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D - Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektionsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentralprojektion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallelprojektion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewegungen anhalten bzw. fortsetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demonstration der Positionsbestimmung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algorithmus abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postion des Betrachters (Einheit: 1000km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Südpolumdrehung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordpolumdrehung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grad</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Satellitenpositionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2D-Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D-Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einzelschritt: Satelliten und Empfänger einen Simulationsschritt weiter (Strg+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraffer: ein Simulationsschritt alle 2 s, 1 s, 0,4 s oder 0,2 s (Strg++ / Strg+-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben) - maximale(minimale) Höhe über dem Erdboden: %1 (%2) m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CartToGeo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GeoToCart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erzeugen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geographische Koordinaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschwindigkeit in km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defekte Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechneter Standort und berechnete Geschwindigkeit des GPS-Empfängers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartesische Koordinaten (in km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einem Simulationsschritt entsprechen %1 Sekunden in der Wirklichkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernung tatsächlicher Standort zum berechneten Standort (Luftlinie in km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position und fiktive Signallaufzeiten (des ersten Iterationsschritts) der 4 zur Berechnung herangezogenen Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellitenposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe (in m) über NN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl und Nummern der empfangenen Satelliten (geordnet nach Entfernung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millisek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>microsek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nanosek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoppen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit anhalten: Satelliten und Empfänger bleiben stehen (Strg+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit weiterlaufen lassen (Strg+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsbestimmung stoppen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsbestimmung starten</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Der Zugriff wurde verweigert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist ein Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist keine gewöhnliche Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 konnte nicht geöffnet werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 ist nicht vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Klasse %1 kann nicht aus einem Elementstrom gelesen werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesefehler im Elementstrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elementstrom zu tief verschachtelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elementstrom endet vorzeitig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Werttyp im Elementstrom (Tag %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültige Zeichenkettenlänge im Elementstrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Werttyp im Elementstrom (Tag %1), Zeichenkette erwartet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichen erwartet, Zeichenkette der Länge %1 gelesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gleitkommazahl im Elementstrom außerhalb des Wertebereichs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>konvergiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Schnittkreis der Kugeln 1 und 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Schnittkreis der Kugeln 1 und 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Schnittpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>davongelaufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitgrenze überschritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schnittpunkt der ersten drei Kugeln liegt bis auf 1 cm auf der vierten Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kugeln um den 1. und 2. Satelliten berühren sich nicht: Es gibt nichts zu schneiden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kugeln um den 1. und 3. Satelliten berühren sich nicht: Es gibt nichts zu schneiden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Radius wurde 0, die beiden Schnittebenen sind parallel, oder ihre Schnittgerade verfehlt die erste Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Korrekturen wurden immer größer statt kleiner, weit über jede mögliche Uhrabweichung hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach mehr als 2 Sekunden lag der Punkt noch immer nicht auf der vierten Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu wenige Signale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Lösung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ der Satellitenbahn muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ der Satellitenuhr muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ der Ionosphäre muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ der Troposphäre muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ des Mehrwegeempfangs muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das σ des Empfängerrauschens muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellitenbahn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellitenuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ionosphäre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troposphäre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehrwegeempfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfängerrauschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Zuschlag des fehlerhaften Satelliten muss eine Zahl von 0 bis 1000 m sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der gemeinsame Versatz muss eine ganze Zahl von 0 bis 3333 ns (1000 m) sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Nummer des fehlerhaften Satelliten muss eine ganze Zahl von 1 bis 24 sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur %1 Satellit – für Standort und Uhrabweichung braucht die Ausgleichsrechnung mindestens 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur %1 Satelliten – für Standort und Uhrabweichung braucht die Ausgleichsrechnung mindestens 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Geometrie ist entartet: Die Satelliten stehen (nahezu) auf einem Kreis um den Empfänger oder mit ihm in einer Ebene, so legen sie den Standort nicht fest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Ausgleichsrechnung kommt nach %1 Schritten nicht auf 1 mm zur Ruhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist beschädigt: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Eintrag „%1“ hat nicht die erwartete Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Eintrag ist unvollständig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Eintrag hat keinen Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Eintrag steht zweimal darin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Eintrag „%1“ fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässige Satellitennummer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist keine Ortivo-Szenariodatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr Kopf ist unvollständig oder beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie wurde mit einer neueren Ortivo-Version gespeichert (Dateiformat %1, dieses Programm liest bis Format %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr Kopf ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie ist unvollständig: es fehlen %1 Bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach dem Szenario folgen noch %1 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Prüfsumme stimmt nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ihr Inhalt endet vor dem Dateiende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sie enthält Elemente, die dieses Programm nicht kennt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabe ist zu lang: sie hat %1 Zeichen, erlaubt sind höchstens %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie enthält unzulässige Werte: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geöffnet werden. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gespeichert werden. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden nicht in cartesische Koordinaten umgewandelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es müssen mindestens 4 Satelliten empfangen werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der y-Koordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der z-Koordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiger Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei der Länge kan nur O oder W stehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei der Breite kann nur N oder S stehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen beim Längengrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen beim Breitengrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei den Längenminuten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei den Breitennminuten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der Höhenangabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für eine Bewegung muss eine Geschwindigkeit&gt;0 eingegeben werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neue Satellitenkonstellation abwarten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit weiterlaufen lassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satelliten reparieren, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position kann z.Zt. nicht bestimmt werden. Sie haben folgende Optionen: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässige Geschwindigkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bewegung ohne gesetzten Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positionsbestimmung ohne gesetzten Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiger Simulationsschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässige Satellitennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiger Zeitraffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässige Zahl der Messungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulationsschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x tatsächlich (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y tatsächlich (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z tatsächlich (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x berechnet (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y berechnet (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z berechnet (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge berechnet (Grad, Ost positiv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breite berechnet (Grad, Nord positiv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe berechnet (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernung zum tatsächlichen Standort (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschwindigkeit berechnet (km/h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangene Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verwendete Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>versuchte Vierergruppen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defekte Satelliten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung Kugeln (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung Kugeln (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x Ausgleichsrechnung (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y Ausgleichsrechnung (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z Ausgleichsrechnung (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernung Ausgleichsrechnung (km)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung Ausgleichsrechnung (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung Ausgleichsrechnung (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sehr gute Geometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gute Geometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mäßige Geometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>schlechte Geometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (PDOP %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur %1 Satellit – für Standort und Uhrabweichung braucht der Empfänger mindestens 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur %1 Satelliten – für Standort und Uhrabweichung braucht der Empfänger mindestens 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vier Kugeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgleichsrechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oben (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand im Raum (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrabweichung (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation (Grad)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fehlerhafter Satellit (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Residuum (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zur weiteren Demonstation OK drücken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS-Satelliten (rot) umkreisen die Erde (grün).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein GPS-Empfänger (gelb) wird (an zufälliger Stelle) positioniert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Signale der 3 nächsten Satelliten (durchgehend gezeichnet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>werden registriert. In den Signalen ist die Satellitenposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gespeichert. Außerdem misst der Empfänger die Laufzeitunterschiede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der 3 Signale. (Im Raum werden 4 Signale benötigt.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der GPS-Empfänger nimmt für das zuerst empfangene Signal eine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fiktive Laufzeit an und berechnet für die beiden anderen Signale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unter Berücksichtigung der Laufzeitunterschiede ebenfalls fiktive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laufzeiten. Der Empfänger muss sich dann auf Kreisen um die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satelliten mit den entsprechenden Laufzeitradien befinden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Im Raum befindet sich der Empfänger auf entsprechenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kugeloberflächen.) Zwei Kreise werden nun zum Schnitt gebracht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daraus ergibt sich ein möglicher Standort des Satelliten -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der 2. Schnittpunkt scheidet aus Plausibilitätsgründen aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Im Raum werden drei Kugeln zum Schnitt gebracht.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Schnittpunkt könnte theoretisch der korrekte Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sein, was aber wegen der fiktiven Radien in der Regel nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Fall ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kreise mit den vergrößerten bzw. verkleinerten Radien werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum Schnitt gebracht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wird nun geprüft, ob der berechnete Standort der korrekte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standort ist. Dazu wird untersucht, ob dieser Standort auf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dem dritten Kreis liegt. (Im Raum wird die Prüfung mit einer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Kugel vorgenommen.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der berechnete Standort ist korrekt, da er auf dem dritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreis liegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der berechnete Standort ist nicht korrekt, da er außerhalb des</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dritten Kreises liegt. Die fiktiven Radien waren zu klein gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Radien werden vergrößert und die Berechnungsschritte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erneut durchgeführt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der berechnete Standort ist nicht korrekt, da er innerhalb des</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dritten Kreises liegt. Die fiktiven Radien waren zu groß gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Radien werden verkleinert und die Berechnungsschritte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellitenstörung - biite Demo schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der GPS-Empfänger empfängt Signale von %1 Satelliten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algorithmus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Satelliten werden zur Berechnung herangezogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zur weiteren Erläuterung siehe Hilfestellung und 2D-Demonstration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Kugeln werden zum Schnitt gebracht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einer der beiden Schnittpunkte kommt als möglicher Standort in Betracht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt in der Nähe der 4.Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Standort wurde gefunden und das Verfahren wird beendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt innerhalb der 4.Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daher werden die Kugelradien verkleinert und das Verfahren wiederholt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt außerhalb der 4.Kugel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daher werden die Kugelradien vergrößert und das Verfahren wiederholt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
