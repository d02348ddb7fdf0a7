#!/usr/bin/env python3
"""Writes NAME.checks.json, the expected design checks of a regression case, from the hydraulics
written out again here in plain Python, independently of the program's engine.

    python3 expected_checks.py NAME [NAME ...]     (run in this folder)

The design is marched once as the program marches (one pass: qc = 0.95 Q / N, or x Q / N in the
user flow mode); the optimised flow mode and counts outside the tables are not transcribed. A
step whose formula cannot be evaluated (a division by zero, a fractional power of a negative
number, an unreadable number) keeps the value it held, as in the program. The checks are then
worked out from the figures and the typed design.
"""

import json
import math
import sys

G = 9.807
P = 3.1415  # the program's value of pi
TOLERANCE = 1e-9  # relative, for every figure
MAX_RISERS = 101


class Failed(Exception):
    """A step that cannot be computed."""


def read(text, greek):
    """A typed number by the regional rule: grouping characters ignored, the decimal separator."""
    grouping, decimal = (".", ",") if greek else (",", ".")
    cleaned = text.strip().replace(grouping, "").replace(decimal, ".")
    try:
        value = float(cleaned)
    except ValueError:
        raise Failed("unreadable") from None
    if cleaned == "" or not math.isfinite(value):
        raise Failed("unreadable")
    return value


def power(base, exponent):
    if base < 0 and exponent != int(exponent):
        raise Failed("fractional power of a negative number")
    if base == 0 and exponent < 0:
        raise Failed("division by zero")
    return base ** exponent


def divide(a, b):
    if b == 0:
        raise Failed("division by zero")
    return a / b


class Design:
    def __init__(self, problem, greek):
        self.greek = greek
        self.n = round(float(problem["risers"]))
        self.sections = round(float(problem["sections"]))
        self.texts = problem
        self.bell = problem.get("fitting", "Sharp") == "Bell"
        self.rows = [list(row) + [""] * (6 - len(row)) for row in problem.get("rows", [])]
        self.rows += [[""] * 6] * (self.sections - len(self.rows))
        self.skipped = 0
        self.skipped_risers = set()  # the risers whose steps were skipped
        self.at_riser = 1  # the riser the march is at
        self.failed_discharges = []  # risers whose discharge met a negative fractional power

    def value(self, text):
        return read(text, self.greek)

    def cell(self, s, c):
        return self.value(self.rows[s][c])

    def step(self, compute, old, discharge=False):
        """A step's value, or `old` when it cannot be computed (the step is then skipped)."""
        try:
            value = compute()
            if math.isfinite(value):
                return value
        except Failed as failure:
            if discharge and str(failure) == "fractional power of a negative number":
                self.failed_discharges.append(self.at_riser)
        self.skipped += 1
        self.skipped_risers.add(self.at_riser)
        return old

    def owners(self):
        """For each riser index, the section row whose data it takes (the later row wins)."""
        owner = [None] * MAX_RISERS
        for s in range(self.sections):
            try:
                first, last = self.cell(s, 0) - 1, self.cell(s, 1) - 1
            except Failed:
                continue
            i = first
            while i <= last:
                index = round(i)  # halves to even, as the program's loop index
                if 0 <= index < MAX_RISERS:
                    owner[index] = s
                i += 1
        return owner

    def march(self):
        n = self.n
        drho = self.value(self.texts["drho"])
        self.q = self.value(self.texts["total_discharge"])
        manning = self.value(self.texts["manning"])
        mode = self.texts.get("flow_mode", "none")
        ratio = self.value(self.texts["ratio"]) if mode == "user" else 0.95
        qc = ratio * self.q / n

        friction = [0.0] * self.sections
        for s in range(self.sections):
            friction[s] = self.step(
                lambda: manning * manning * 124.58 / power(self.cell(s, 2), 0.33333), 0.0)

        E = [0.0] * n
        cd = [0.0] * n
        v_pipe = [0.0] * n
        v_riser = [0.0] * n
        q = [0.0] * n
        froude = [0.0] * n
        q_pipe = [0.0] * n

        def cd_law(x):
            return 0.975 * power(1 - x, 0.375) if self.bell else 0.63 - 0.58 * x

        # Riser 1 always takes the diameters of row 1.
        D1, d1 = self.cell(0, 2), self.cell(0, 5)
        e = [0.01] + [0.0] * 10
        for j in range(9):
            def energy():
                x = divide(8 * qc * qc, P * P * D1 ** 4 * G * e[j])
                if self.bell:
                    return divide(8 * qc * qc, d1 ** 4 * P * P * G * 0.95062 * power(1 - x, 0.75))
                return divide(qc * qc, (0.63 - 0.58 * x) ** 2 * P * P * d1 ** 4 * G / 8)
            e[j + 1] = self.step(energy, e[j + 1])
        E[0] = e[9]
        cd[0] = self.step(lambda: cd_law(divide(8 * qc * qc, P * P * D1 ** 4 * G * E[0])), cd[0])
        v_pipe[0] = self.step(lambda: divide(4 * qc, P * D1 * D1), v_pipe[0])
        v_riser[0] = self.step(lambda: divide(4 * qc, d1 * d1 * P), v_riser[0])
        q[0] = qc
        froude[0] = self.step(lambda: divide(v_riser[0], power(d1 * G * drho, 0.5)), froude[0])

        owner = self.owners()
        self.owner = owner
        spacing, rise, riser_d, pipe_d, f = {}, {}, {}, {}, {}
        for i in range(n):
            s = owner[i]
            if s is None:
                continue
            f[i] = friction[s]
            pipe_d[i] = self.cell(s, 2)
            for name, table, c in (("spacing", spacing, 3), ("rise", rise, 4), ("d", riser_d, 5)):
                try:
                    table[i] = self.cell(s, c)
                except Failed:
                    table[i] = None

        def known(table, i):
            if i not in table:
                return 0.0
            if table[i] is None:
                raise Failed("unreadable")
            return table[i]

        iterates = [0.01] + [0.0] * 10
        for i in range(1, n):
            self.at_riser = i + 1
            # A riser that no row names takes zeros.
            E[i] = self.step(lambda: E[i - 1] + divide(
                f.get(i - 1, 0.0) * known(spacing, i - 1) * v_pipe[i - 1] ** 2,
                2 * G * pipe_d.get(i - 1, 0.0)) + drho * known(rise, i - 1), E[i])
            D, d = pipe_d.get(i, 0.0), riser_d.get(i) or 0.0
            iterate = iterates[0]
            for j in range(9):
                def discharge():
                    x = divide(8 * iterate * iterate, D ** 4 * P * P * G * E[i])
                    return cd_law(x) * (d * d * P / 4) * power(2 * G * E[i], 0.5)
                iterates[j + 1] = self.step(discharge, iterates[j + 1], discharge=True)
                iterate = iterates[j + 1]
            q[i] = iterates[9]
            q_pipe[i - 1] = q[1] + q[0] if i == 1 else q[i] + q_pipe[i - 2]
            cd[i] = self.step(
                lambda: cd_law(divide(8 * q_pipe[i - 1] ** 2, D ** 4 * P * P * G * E[i])), cd[i])
            v_pipe[i] = self.step(lambda: divide(4 * q_pipe[i - 1], D * D * P), v_pipe[i])
            v_riser[i] = self.step(lambda: divide(4 * q[i], d * d * P), v_riser[i])
            froude[i] = self.step(lambda: divide(v_riser[i], power(d * G * drho, 0.5)), froude[i])

        self.drho, self.qc = drho, qc
        self.discharge_failure = None
        if self.failed_discharges:
            # X of the march's trial discharge, 0.01 m^3/s, at the first riser concerned.
            k = self.failed_discharges[0] - 1
            self.discharge_failure = {
                "kind": "velocity_head_above_energy" if E[k] >= 0 else "negative_energy",
                "fitting": "Bell" if self.bell else "Sharp",
                "risers": sorted(set(self.failed_discharges)),
                "specific_energy": E[k], "pipe_diameter": pipe_d[k], "trial_discharge": 0.01,
                "x": 8 * 0.01 ** 2 / (pipe_d[k] ** 4 * P * P * G * E[k]), "share": self.q / n}
        self.E, self.q_riser, self.v_pipe, self.froude = E, q, v_pipe, froude
        self.f, self.spacing, self.rise, self.pipe_d = f, spacing, rise, pipe_d
        self.d = [d1] + [riser_d.get(i) for i in range(1, n)]
        self.qcalc = sum(q)


def check(name, holds, values, basis="march", risers=(), sections=()):
    return {"name": name, "verdict": "holds" if holds else "warning", "basis": basis,
            "values": values, "risers": list(risers), "sections": list(sections)}


def not_judged(name):
    return {"name": name, "verdict": "not_judged", "basis": "march", "values": [], "risers": [],
            "sections": []}


def checks_of(design):
    n = design.n
    computed = design.skipped == 0
    out = []
    if computed:
        froude, basis = design.froude, "march"
    else:
        # Each riser's share Q/N through its riser diameter.
        share = design.q / n
        froude = [4 * share / (d * d * P) / math.sqrt(d * G * design.drho) for d in design.d]
        basis = "estimate"
    below = [k + 1 for k, fr in enumerate(froude) if fr < 1]
    above = [k + 1 for k, fr in enumerate(froude) if fr > 10]
    out.append(check("froude_min", not below, froude, basis, below))
    out.append(check("froude_max", not above, froude, basis, above))
    if not computed:
        out += [not_judged(name) for name in
                ("uniformity", "riser_area", "pipe_velocity", "balance_error", "landward_head")]
    else:
        q, Q = design.q_riser, design.q
        mean, upper, lower = Q / n, Q * 0.1 / n + Q / n, Q / n - Q * 0.1 / n
        outside = [k + 1 for k, qk in enumerate(q) if qk > upper or qk < lower]
        out.append(check("uniformity", not outside,
                         [mean, upper, lower, max(q), min(q), max(q) / min(q)], risers=outside))

        risers = sum(P * d * d / 4 for d in design.d)
        pipe = P * design.pipe_d[n - 1] ** 2 / 4
        ratio = risers / pipe
        out.append(check("riser_area", 1 / 3 <= ratio <= 2 / 3, [risers, pipe, ratio]))

        largest = {}
        for i in range(n):
            s = design.owner[i]
            largest[s] = max(largest.get(s, design.v_pipe[i]), design.v_pipe[i])
        speeds = [largest[s] for s in range(design.sections)]
        slow = [s + 1 for s, v in enumerate(speeds) if v < 0.6]
        out.append(check("pipe_velocity", not slow, speeds, sections=slow))

        e = (design.qcalc - Q) / design.qcalc * 100
        out.append(check("balance_error", -5 <= e <= 5, [design.qcalc, Q, e]))

        friction = sum(design.f[i] * design.spacing[i] * design.v_pipe[i] ** 2 /
                       (2 * G * design.pipe_d[i]) for i in range(n - 1))
        density = sum(design.drho * design.rise[i] for i in range(n - 1))
        out.append(check("landward_head", True,
                         [design.E[0], friction, density, design.E[n - 1]]))
    # The steps' causes name the risers concerned and the rows holding a cell that cannot be
    # read.
    bad_rows = []
    for s in range(design.sections):
        for c in range(6):
            try:
                design.cell(s, c)
            except Failed:
                bad_rows.append(s + 1)
                break
    out.append(check("skipped_steps", design.skipped == 0, [float(design.skipped)],
                     risers=sorted(design.skipped_risers), sections=bad_rows))
    return out


def main(names):
    for name in names:
        with open(name + ".json", encoding="utf-8") as file:
            problem = json.load(file)
        design = Design(problem, greek=not name.endswith("_en"))
        design.march()
        # One check a line, the figures to 12 significant digits.
        lines = []
        for entry in checks_of(design):
            entry["values"] = [float(f"{value:.12g}") for value in entry["values"]]
            lines.append("    " + json.dumps(entry, ensure_ascii=False))
        with open(name + ".checks.json", "w", encoding="utf-8") as file:
            file.write('{\n  "tolerance": %s,\n' % json.dumps(TOLERANCE))
            if design.discharge_failure:
                failure = json.dumps(design.discharge_failure, ensure_ascii=False)
                file.write('  "discharge_failure": %s,\n' % failure)
            file.write('  "checks": [\n')
            file.write(",\n".join(lines) + "\n  ]\n}\n")


if __name__ == "__main__":
    main(sys.argv[1:])
