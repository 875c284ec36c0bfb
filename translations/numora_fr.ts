<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>ChartSizeDialog</name>
    <message>
        <source>Chart size</source>
        <translation>Taille du graphique</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
</context>
<context>
    <name>KenoTipsPage</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bring back the tip list as it was before the last calculation, test, deletion or loaded file (Ctrl+Z)</source>
        <translation>Rétablir la liste des grilles telle qu&apos;elle était avant le dernier calcul, test, effacement ou fichier chargé (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>NumberChoiceDialog</name>
    <message>
        <source>Midday draw</source>
        <translation>Tirage du midi</translation>
    </message>
</context>
<context>
    <name>Numora</name>
    <message>
        <source>Keno Lottery</source>
        <translation>Loterie Keno</translation>
    </message>
    <message>
        <source>Summer cross</source>
        <translation>Somme des numéros</translation>
    </message>
    <message>
        <source>Updating the lottery numbers from the Internet</source>
        <translation>Mettre à jour les numéros tirés depuis Internet</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>previous draw</source>
        <translation>tirage précédent</translation>
    </message>
    <message>
        <source>next draw</source>
        <translation>tirage suivant</translation>
    </message>
    <message>
        <source>Tip series</source>
        <translation>Série de grilles</translation>
    </message>
    <message>
        <source>properly             </source>
        <translation>bons numéros   </translation>
    </message>
    <message>
        <source>Numbers per Tip</source>
        <translation>Numéros par grille</translation>
    </message>
    <message>
        <source>Tips per ticket</source>
        <translation>Grilles par billet</translation>
    </message>
    <message>
        <source>Total Tips</source>
        <translation>Grilles au total</translation>
    </message>
    <message>
        <source>Wieviele Tipps wollen Sie berechnen?</source>
        <translation>Combien de grilles voulez-vous calculer?</translation>
    </message>
    <message>
        <source>Cost per Tip</source>
        <translation>Coût par grille</translation>
    </message>
    <message>
        <source>Delete before calculating</source>
        <translation>Effacer avant le calcul</translation>
    </message>
    <message>
        <source>1. ticket</source>
        <translation>Billet 1</translation>
    </message>
    <message>
        <source>1. tip</source>
        <translation>Grille 1</translation>
    </message>
    <message>
        <source>numbers of the selected editing tips</source>
        <translation>Modifier les numéros de la grille choisie</translation>
    </message>
    <message>
        <source>Delete all tips</source>
        <translation>Effacer toutes les grilles</translation>
    </message>
    <message>
        <source>Auswertung und Ermittlung der Gewinnsumme</source>
        <translation>Vérification et calcul des gains</translation>
    </message>
    <message>
        <source>calculate Tips </source>
        <translation>Calculer les grilles</translation>
    </message>
    <message>
        <source>start Tips calculate</source>
        <translation>Lancer le calcul des grilles</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>N° chanceux</translation>
    </message>
    <message>
        <source>set lucky number</source>
        <translation>Choisir le numéro chanceux</translation>
    </message>
    <message>
        <source>Saving Tips calculated in a file</source>
        <translation>Enregistrer les grilles calculées dans un fichier</translation>
    </message>
    <message>
        <source>Load the file of a Tips</source>
        <translation>Charger un fichier de grilles</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Billet</translation>
    </message>
    <message>
        <source>Tip distribution</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Print or save as PDF: tips, ticket sheet, evaluation, back-test report</source>
        <translation>Imprimer ou enregistrer en PDF : grilles, feuille de billets, vérification, rapport de test</translation>
    </message>
    <message>
        <source>DB search tips</source>
        <translation>Chercher les grilles dans les tirages</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Numbers that were drawn very often</source>
        <translation>Numéros tirés très souvent</translation>
    </message>
    <message>
        <source>Numbers are the longest overdue</source>
        <translation>Numéros absents depuis le plus longtemps</translation>
    </message>
    <message>
        <source>Numbers drawn particularly rare</source>
        <translation>Numéros tirés particulièrement rarement</translation>
    </message>
    <message>
        <source>Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen</source>
        <translation>Les X premiers pour cent reçoivent une probabilité plus élevée</translation>
    </message>
    <message>
        <source>Tip must still comply with any               from the database</source>
        <translation>La grille doit égaler               numéros d&apos;un tirage</translation>
    </message>
    <message>
        <source>Tip may not correspond to              in the last                draws</source>
        <translation>Grille : pas plus de              dans les                derniers tirages</translation>
    </message>
    <message>
        <source>maximum             and minimum              number of the last drawing permit</source>
        <translation>maximum             et minimum              numéros du dernier tirage</translation>
    </message>
    <message>
        <source>maximum             and minimum              number of penultimate drawing permit</source>
        <translation>maximum             et minimum              numéros de l&apos;avant-dernier tirage</translation>
    </message>
    <message>
        <source>maximum             and minimum              number one before the draw permit</source>
        <translation>maximum             et minimum              numéros du tirage d&apos;avant</translation>
    </message>
    <message>
        <source>Extra-Option:</source>
        <translation>Option supplémentaire :</translation>
    </message>
    <message>
        <source>adjacent numbers of the last draw, prefer</source>
        <translation>préférer les voisins des numéros du dernier tirage</translation>
    </message>
    <message>
        <source>Numbers of the last               contractions using</source>
        <translation>Numéros des               derniers tirages seulement</translation>
    </message>
    <message>
        <source>Number of draws of a date in all years</source>
        <translation>Tirages de la même date, toutes années</translation>
    </message>
    <message>
        <source>Zahlen nur von einem Wochentag verwenden</source>
        <translation>Numéros d&apos;un seul jour de la semaine</translation>
    </message>
    <message>
        <source>maximum of                 matches with other tips</source>
        <translation>maximum de                 numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>minimum of                  matches with other tips</source>
        <translation>minimum de                  numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>Min / Max: Tip meet every need with every entry, this condition</source>
        <translation>Min / Max : chaque grille respecte la condition avec chaque autre</translation>
    </message>
    <message>
        <source>Tip enforcing one pairing per</source>
        <translation>Imposer une paire par grille</translation>
    </message>
    <message>
        <source>no threesomes, foursomes ... pairs</source>
        <translation>pas de triplets, quadruplets ... seulement des paires</translation>
    </message>
    <message>
        <source>Numbers with a frequent pairs prefer education</source>
        <translation>Préférer les numéros formant des paires fréquentes</translation>
    </message>
    <message>
        <source>rarest</source>
        <translation>plus rares</translation>
    </message>
    <message>
        <source>Numbers with a common triad education prefer</source>
        <translation>Préférer les numéros formant des triplets fréquents</translation>
    </message>
    <message>
        <source>Numbers with a frequent four-group prefer formation</source>
        <translation>Préférer les numéros formant des quadruplets fréquents</translation>
    </message>
    <message>
        <source> cross sum :                   -                    in the tip allow</source>
        <translation> somme :                   -                    permise dans la grille</translation>
    </message>
    <message>
        <source>at least                      prime numbers in any tip</source>
        <translation>au moins                      nombres premiers par grille</translation>
    </message>
    <message>
        <source>at least                      even numbers in any tip</source>
        <translation>au moins                      nombres pairs par grille</translation>
    </message>
    <message>
        <source>at least                      odd numbers in any tip</source>
        <translation>au moins                      nombres impairs par grille</translation>
    </message>
    <message>
        <source>Edit List for Tip numbers</source>
        <translation>Liste de numéros à modifier pour les grilles</translation>
    </message>
    <message>
        <source>Tip for the preferred use numbers only!</source>
        <translation>Grilles avec les numéros préférés seulement!</translation>
    </message>
    <message>
        <source>Max calculation runs</source>
        <translation>Passes de calcul max.</translation>
    </message>
    <message>
        <source>thousand</source>
        <translation>mille</translation>
    </message>
    <message>
        <source>Ziehungsdaten afür das gewählte Datu aus der Datenbank heraussuchen</source>
        <translation>Chercher le tirage de la date choisie</translation>
    </message>
    <message>
        <source>update database</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>every tip size 2..10</source>
        <translation>toutes les tailles 2..10</translation>
    </message>
    <message>
        <source>Show the odds of every tip size, not only the numbers per tip</source>
        <translation>Afficher les chances de toutes les tailles de grille, pas seulement celle choisie</translation>
    </message>
    <message>
        <source>Import from Text</source>
        <translation>Importer un texte</translation>
    </message>
    <message>
        <source>Import draws from a text or CSV file</source>
        <translation>Importer des tirages d&apos;un fichier texte ou CSV</translation>
    </message>
    <message>
        <source>Back-test report</source>
        <translation>Rapport du test rétrospectif</translation>
    </message>
    <message>
        <source>Open in editor</source>
        <translation>Ouvrir dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>With the chosen date starts the evaluation</source>
        <translation>L&apos;analyse commence à la date choisie</translation>
    </message>
    <message>
        <source>Distribution of numbers drawn</source>
        <translation>Répartition des numéros tirés</translation>
    </message>
    <message>
        <source>Cross sum </source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Distribution of cross sums</source>
        <translation>Répartition des sommes des numéros</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>paires</translation>
    </message>
    <message>
        <source>How many pairs of which was drawn. Below is the first number of the pair</source>
        <translation>Combien de fois chaque paire a été tirée. En bas, le premier numéro de la paire</translation>
    </message>
    <message>
        <source>three</source>
        <translation>triplets</translation>
    </message>
    <message>
        <source>How often triple what was drawn. Below is the first number of the three</source>
        <translation>Combien de fois chaque triplet a été tiré. En bas, le premier numéro du triplet</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quadr.</translation>
    </message>
    <message>
        <source>How often which of four was drawn. Below is the first number of the four</source>
        <translation>Combien de fois chaque quadruplet a été tiré. En bas, le premier numéro du quadruplet</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>retard</translation>
    </message>
    <message>
        <source>Which number was not drawn the longest?</source>
        <translation>Quel numéro n&apos;a pas été tiré depuis le plus longtemps?</translation>
    </message>
    <message>
        <source>Save chart as PNG or SVG</source>
        <translation>Enregistrer le graphique en PNG ou SVG</translation>
    </message>
    <message>
        <source>pairs seeking</source>
        <translation>Chercher paires</translation>
    </message>
    <message>
        <source>three search</source>
        <translation>Chercher triplets</translation>
    </message>
    <message>
        <source>four search</source>
        <translation>Chercher quadr.</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>insert/edit</source>
        <translation>saisir/modifier</translation>
    </message>
    <message>
        <source>Export to Text</source>
        <translation>Exporter en texte</translation>
    </message>
    <message>
        <source>Historical analysis of the parameters starting with the selected date above</source>
        <translation>Analyse historique des paramètres à partir de la date choisie ci-dessus</translation>
    </message>
    <message>
        <source>Tip calculate and test how successful this would have until today</source>
        <translation>Calculer les grilles et tester leur succès jusqu&apos;à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tip calculate and test the success of each in the next drawing</source>
        <translation>Calculer les grilles à chaque tirage et tester le succès au tirage suivant</translation>
    </message>
    <message>
        <source>Historical analysis start date above</source>
        <translation>Analyse historique à partir de la date ci-dessus</translation>
    </message>
    <message>
        <source>Test often occur as the numbers drawn in each of the next draw</source>
        <translation>Tester combien de numéros tirés reviennent au tirage suivant</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in each of the next draw</source>
        <translation>Tester combien de numéros reviennent au deuxième tirage suivant</translation>
    </message>
    <message>
        <source>Test as often occur in the numbers of each of the next contraction</source>
        <translation>Tester combien de numéros reviennent au troisième tirage suivant</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in the next 3 drawings</source>
        <translation>Tester combien de numéros reviennent dans les 3 tirages suivants</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in the last 3 drawings</source>
        <translation>Tester combien de numéros reviennent des 3 derniers tirages</translation>
    </message>
    <message>
        <source>Proxy-Server</source>
        <translation>Mandataire</translation>
    </message>
    <message>
        <source>Porxy-Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Results site</source>
        <translation>Site des résultats</translation>
    </message>
    <message>
        <source>The address of the results site, for example https://results.example</source>
        <translation>L&apos;adresse du site des résultats, par exemple https://results.example</translation>
    </message>
    <message>
        <source>Accept any certificate</source>
        <translation>Accepter tout certificat</translation>
    </message>
    <message>
        <source>Only for a results site you trust that has no valid certificate</source>
        <translation>Seulement pour un site de résultats de confiance sans certificat valide</translation>
    </message>
    <message>
        <source>For updates and the latest version is available from:</source>
        <translation>Mises à jour et dernière version :</translation>
    </message>
    <message>
        <source>The current draws and rates from Ontario Daily Keno see:</source>
        <translation>Tirages et lots actuels du Daily Keno :</translation>
    </message>
    <message>
        <source>The current draws and rates from Atlantic Keno see:</source>
        <translation>Tirages et lots actuels du Keno Atlantic :</translation>
    </message>
    <message>
        <source>More programs by Veltrin software can be found at:</source>
        <translation>Autres logiciels de Veltrin :</translation>
    </message>
    <message>
        <source>Keno-Tips</source>
        <translation>Grilles Keno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Internet-Options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Share of return</source>
        <translation>Part du retour</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Observés</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendus</translation>
    </message>
    <message>
        <source>Tested as</source>
        <translation>Testés comme</translation>
    </message>
    <message>
        <source>An update run is running; stop it first.</source>
        <translation>Une mise à jour est en cours; arrêtez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>There is no back-test report yet: run a back-test first.</source>
        <translation>Il n&apos;y a pas encore de rapport de test : lancez d&apos;abord un test rétrospectif.</translation>
    </message>
    <message>
        <source>The chart&apos;s size is 100 to 10000 pixels a side.</source>
        <translation>Le graphique mesure de 100 à 10000 pixels de côté.</translation>
    </message>
    <message>
        <source>No date before %1: the field shows the earliest one</source>
        <translation>Aucune date avant le %1 : le champ affiche la plus ancienne</translation>
    </message>
    <message>
        <source>Tip success test (one calculation)</source>
        <translation>Test de succès des grilles (un calcul)</translation>
    </message>
    <message>
        <source>Tip success test (a calculation per draw)</source>
        <translation>Test de succès des grilles (un calcul par tirage)</translation>
    </message>
    <message>
        <source>Recurrence test (next draw)</source>
        <translation>Test de retour (tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (second next draw)</source>
        <translation>Test de retour (deuxième tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (third next draw)</source>
        <translation>Test de retour (troisième tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (next three draws)</source>
        <translation>Test de retour (trois tirages suivants)</translation>
    </message>
    <message>
        <source>Recurrence test (last three draws)</source>
        <translation>Test de retour (trois derniers tirages)</translation>
    </message>
    <message>
        <source>Back-test</source>
        <translation>Test rétrospectif</translation>
    </message>
    <message>
        <source>Run a tip success test or a recurrence test to see its hit counts against chance.</source>
        <translation>Lancez un test de succès ou un test de retour pour comparer ses résultats au hasard.</translation>
    </message>
    <message>
        <source>cross sum: %1</source>
        <translation>somme : %1</translation>
    </message>
    <message>
        <source>Import from Text: %1%</source>
        <translation>Importation du texte : %1 %</translation>
    </message>
    <message>
        <source>No draws of Keno Atlantic yet: import a file on the &quot;Database&quot; tab, or enter the results site on the &quot;Internet-Options&quot; tab and update.</source>
        <translation>Aucun tirage du Keno Atlantic pour l&apos;instant : importez un fichier dans l&apos;onglet « Tirages », ou entrez le site des résultats dans l&apos;onglet « Options Internet » et mettez à jour.</translation>
    </message>
    <message>
        <source>No draws of Daily Keno yet: import a file on the &quot;Database&quot; tab, or enter the results site on the &quot;Internet-Options&quot; tab and update.</source>
        <translation>Aucun tirage du Daily Keno pour l&apos;instant : importez un fichier dans l&apos;onglet « Tirages », ou entrez le site des résultats dans l&apos;onglet « Options Internet » et mettez à jour.</translation>
    </message>
    <message>
        <source>Change the parameters to calculate %1  Tips </source>
        <translation>Modifiez les paramètres pour calculer %1 grilles</translation>
    </message>
    <message>
        <source>Tips have been recalculated</source>
        <translation>Les grilles ont été recalculées</translation>
    </message>
    <message>
        <source>numbers and confirm with OK</source>
        <translation>Choisissez les numéros et confirmez avec OK</translation>
    </message>
    <message>
        <source>Select figures for calculation</source>
        <translation>Choisir les numéros pour le calcul</translation>
    </message>
    <message>
        <source>Not guarantee the accuracy of the figures!</source>
        <translation>L&apos;exactitude des numéros n&apos;est pas garantie!</translation>
    </message>
    <message>
        <source>No new draws</source>
        <translation>Aucun nouveau tirage</translation>
    </message>
    <message>
        <source>Which number is overdue, as was not since as many draws held?</source>
        <translation>Quel numéro est en retard, et depuis combien de tirages?</translation>
    </message>
    <message>
        <source>Cross-sum: %1</source>
        <translation>Somme : %1</translation>
    </message>
    <message>
        <source>Draws per best hit count of the tips</source>
        <translation>Tirages selon le meilleur résultat des grilles</translation>
    </message>
    <message>
        <source>Number distribution of the tips</source>
        <translation>Répartition des numéros des grilles</translation>
    </message>
    <message>
        <source>First select a tip from</source>
        <translation>Choisissez d&apos;abord une grille</translation>
    </message>
    <message>
        <source>Select numbers for calculation</source>
        <translation>Choisir les numéros pour le calcul</translation>
    </message>
    <message>
        <source>%1. ticket</source>
        <translation>Billet %1</translation>
    </message>
    <message>
        <source>%1. tip</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Verdict: the difference is within chance (p &gt;= 0.05).</source>
        <translation>Verdict : l&apos;écart reste dans les limites du hasard (p &gt;= 0,05).</translation>
    </message>
    <message>
        <source>Verdict: the difference is larger than chance explains (p &lt; 0.05).</source>
        <translation>Verdict : l&apos;écart dépasse ce que le hasard explique (p &lt; 0,05).</translation>
    </message>
    <message>
        <source>Law of chance: the numbers two draws of 20 out of 70 share (hypergeometric law); expected = comparisons x chance of the hit count.</source>
        <translation>Loi du hasard : les numéros communs à deux tirages de 20 sur 70 (loi hypergéométrique); attendus = comparaisons x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Law of chance: the hits of a %1-number tip in a draw of 20 out of 70 (hypergeometric law); expected = tips x cycles x chance of the hit count.</source>
        <translation>Loi du hasard : les trouvés d&apos;une grille de %1 numéros dans un tirage de 20 sur 70 (loi hypergéométrique); attendus = grilles x cycles x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Law of chance: the hits of a %1-number tip in a draw of 20 out of 70 (hypergeometric law); expected = the tips of each cycle, summed over the cycles, x chance of the hit count.</source>
        <translation>Loi du hasard : les trouvés d&apos;une grille de %1 numéros dans un tirage de 20 sur 70 (loi hypergéométrique); attendus = les grilles de chaque cycle, additionnées sur les cycles, x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Winnings per unit stake: observed %1; chance gives %2 on average, 90 %% of the random histories between %3 and %4.</source>
        <translation>Gains par mise unitaire : observés %1; le hasard donne %2 en moyenne, 90 %% des historiques aléatoires entre %3 et %4.</translation>
    </message>
    <message>
        <source>Simulated test: X2 = %1; %2 of %3 random history reached it, p = %4.</source>
        <translation>Test simulé : X2 = %1; %2 historique aléatoire sur %3 l&apos;a atteint, p = %4.</translation>
    </message>
    <message>
        <source>Simulated test: X2 = %1; %2 of %3 random histories reached it, p = %4.</source>
        <translation>Test simulé : X2 = %1; %2 historiques aléatoires sur %3 l&apos;ont atteint, p = %4.</translation>
    </message>
    <message>
        <source>Chi-squared goodness of fit: X2 = %1 with %2 degree of freedom, p = %3.</source>
        <translation>Test d&apos;ajustement du khi-deux : X2 = %1 avec %2 degré de liberté, p = %3.</translation>
    </message>
    <message>
        <source>Chi-squared goodness of fit: X2 = %1 with %2 degrees of freedom, p = %3.</source>
        <translation>Test d&apos;ajustement du khi-deux : X2 = %1 avec %2 degrés de liberté, p = %3.</translation>
    </message>
    <message>
        <source>Hit counts that chance expects fewer than 5 times are pooled with their neighbours: none needed.</source>
        <translation>Les nombres de trouvés que le hasard attend moins de 5 fois sont regroupés avec leurs voisins : aucun regroupement nécessaire.</translation>
    </message>
    <message>
        <source>Hit counts that chance expects fewer than 5 times are pooled with their neighbours (%1).</source>
        <translation>Les nombres de trouvés que le hasard attend moins de 5 fois sont regroupés avec leurs voisins (%1).</translation>
    </message>
    <message>
        <source>Too few comparisons for the chi-squared goodness-of-fit test: it needs at least two groups of hit counts that chance expects 5 times or more.</source>
        <translation>Trop peu de comparaisons pour le test d&apos;ajustement du khi-deux : il faut au moins deux groupes de nombres de trouvés que le hasard attend 5 fois ou plus.</translation>
    </message>
    <message>
        <source>Assumptions: every draw is 20 numbers drawn at random from 70, independent of the others. Each comparison is of a distinct pair of draws, so the chi-squared law holds for the sum.</source>
        <translation>Hypothèses : chaque tirage est de 20 numéros tirés au hasard parmi 70, indépendamment des autres. Chaque comparaison porte sur une paire de tirages distincte, la loi du khi-deux vaut donc pour la somme.</translation>
    </message>
    <message>
        <source>Assumptions: every draw is 20 numbers drawn at random from 70, independent of the other draws and of the tips. The p-value is the share of random histories (the tips of each cycle kept, every draw replaced by a random one) whose chi-squared sum over the same groups reaches the observed one, so tips that share numbers are allowed for.</source>
        <translation>Hypothèses : chaque tirage est de 20 numéros tirés au hasard parmi 70, indépendamment des autres tirages et des grilles. La valeur p est la part des historiques aléatoires (les grilles de chaque cycle gardées, chaque tirage remplacé par un tirage aléatoire) dont la somme du khi-deux sur les mêmes groupes atteint celle observée; les grilles qui partagent des numéros sont donc prises en compte.</translation>
    </message>
    <message>
        <source>%1 draw from %2 to %3 written to %4</source>
        <translation>%1 tirage du %2 au %3 écrit dans %4</translation>
    </message>
    <message>
        <source>%1 draws from %2 to %3 written to %4</source>
        <translation>%1 tirages du %2 au %3 écrits dans %4</translation>
    </message>
    <message>
        <source>%1: the chance of each hit count for one tip and its prize per unit stake</source>
        <translation>%1 : probabilité de chaque résultat d&apos;une grille et lot par mise unitaire</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>%1 numbers per tip: on average a stake of %2 returns %3; nothing wins.</source>
        <translation>%1 numéros par grille : en moyenne, une mise de %2 rapporte %3; rien ne gagne.</translation>
    </message>
    <message>
        <source>%1 numbers per tip: on average a stake of %2 returns %3; the chance of winning anything is 1 in %4.</source>
        <translation>%1 numéros par grille : en moyenne, une mise de %2 rapporte %3; la probabilité de gagner quelque chose est de 1 sur %4.</translation>
    </message>
    <message>
        <source>1 draw added, %1</source>
        <translation>1 tirage ajouté, %1</translation>
    </message>
    <message>
        <source>%1 draws added, %2 – %3</source>
        <translation>%1 tirages ajoutés, %2 – %3</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Automatic: French under a French locale, English otherwise</source>
        <translation>Automatique : français si les paramètres régionaux sont français, anglais sinon</translation>
    </message>
    <message>
        <source>at the next start</source>
        <translation>au prochain démarrage</translation>
    </message>
    <message>
        <source>statistical</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <source>ticket optimization</source>
        <translation>optimisation des billets</translation>
    </message>
    <message>
        <source>mathematically</source>
        <translation>mathématiques</translation>
    </message>
    <message>
        <source>general</source>
        <translation>général</translation>
    </message>
</context>
<context>
    <name>PrintMenu</name>
    <message>
        <source>Print tips…</source>
        <translation>Imprimer les grilles…</translation>
    </message>
    <message>
        <source>Save tips as PDF…</source>
        <translation>Enregistrer les grilles en PDF…</translation>
    </message>
    <message>
        <source>Print ticket sheet…</source>
        <translation>Imprimer la feuille de billets…</translation>
    </message>
    <message>
        <source>Save ticket sheet as PDF…</source>
        <translation>Enregistrer la feuille de billets en PDF…</translation>
    </message>
    <message>
        <source>Print evaluation…</source>
        <translation>Imprimer la vérification…</translation>
    </message>
    <message>
        <source>Save evaluation as PDF…</source>
        <translation>Enregistrer la vérification en PDF…</translation>
    </message>
    <message>
        <source>Print back-test report…</source>
        <translation>Imprimer le rapport de test…</translation>
    </message>
    <message>
        <source>Save back-test report as PDF…</source>
        <translation>Enregistrer le rapport de test en PDF…</translation>
    </message>
</context>
<context>
    <name>numora::MainWindowView</name>
    <message>
        <source>Sweep: which settings would have done best…</source>
        <translation>Balayage : quels réglages auraient le mieux réussi…</translation>
    </message>
</context>
<context>
    <name>numora::SweepWindow</name>
    <message>
        <source>Sweep: which settings would have done best</source>
        <translation>Balayage : quels réglages auraient le mieux réussi</translation>
    </message>
    <message>
        <source>control and values, e.g. UpDown6 5..9 or CheckBox18 0,1</source>
        <translation>contrôle et valeurs, p. ex. UpDown6 5..9 ou CheckBox18 0,1</translation>
    </message>
    <message>
        <source>Vary</source>
        <translation>Varier</translation>
    </message>
    <message>
        <source>Lucky numbers per setting</source>
        <translation>Nombres porte-bonheur par réglage</translation>
    </message>
    <message>
        <source>all cores</source>
        <translation>tous les cœurs</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Fils d’exécution</translation>
    </message>
    <message>
        <source>Return per unit stake, best setting first</source>
        <translation>Gain par unité misée, meilleur réglage d’abord</translation>
    </message>
    <message>
        <source>return</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>what chance returns</source>
        <translation>ce que donne le hasard</translation>
    </message>
    <message>
        <source>best of as many settings by luck (95 %)</source>
        <translation>meilleur d’autant de réglages par chance (95 %)</translation>
    </message>
    <message>
        <source>90 % of chance</source>
        <translation>90 % du hasard</translation>
    </message>
    <message>
        <source>setting (place in the result list)</source>
        <translation>réglage (rang dans la liste des résultats)</translation>
    </message>
    <message>
        <source>per unit stake</source>
        <translation>par unité misée</translation>
    </message>
</context>
</TS>
