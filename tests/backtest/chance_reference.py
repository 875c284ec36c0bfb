# Independent reference for the back-test comparison with chance: the hypergeometric law as
# exact fractions and the chi-squared survival function in its closed form for even degrees of
# freedom, Q(x; 2m) = exp(-x/2) * sum_{j<m} (x/2)^j / j!.
from fractions import Fraction
from math import comb, exp, factorial


def law(picked, drawn=20, pool=70):
    return [Fraction(comb(drawn, k) * comb(pool - drawn, picked - k), comb(pool, picked))
            for k in range(picked + 1)]


def survival_even(x, df):
    m = df // 2
    return exp(-x / 2) * sum((x / 2) ** j / factorial(j) for j in range(m))



def pooled(observed, expected):
    # Adjacent hit counts from the lowest up until each group expects at least 5; a short last
    # group joins the one before it.
    groups, open_group = [], None
    for k, (o, e) in enumerate(zip(observed, expected)):
        if open_group is None:
            open_group = [k, k, 0, 0.0]
        open_group[1], open_group[2], open_group[3] = k, open_group[2] + o, open_group[3] + e
        if open_group[3] >= 5:
            groups.append(open_group)
            open_group = None
    if open_group:
        last = groups[-1]
        last[1], last[2], last[3] = open_group[1], last[2] + open_group[2], last[3] + open_group[3]
    return groups


cases = [
    (4, [252, 428, 253, 62, 5]),  # close to chance
    (4, [300, 420, 215, 60, 5]),  # clearly off
    (20, [0, 0, 2, 8, 15, 21, 22, 17, 9, 4, 2] + [0] * 10),  # two draws, pooled
]
for picked, observed in cases:
    n = sum(observed)
    expected = [float(p * n) for p in law(picked)]
    groups = pooled(observed, expected)
    x2 = sum((o - e) ** 2 / e for _, _, o, e in groups)
    print(picked, [(a, b) for a, b, _, _ in groups], [round(e, 6) for e in expected], repr(x2),
          repr(survival_even(x2, len(groups) - 1)))
