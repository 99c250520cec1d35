"""The Python package against `kora batch`: the same lines from a Dask cluster of
two workers, also when a worker dies mid-run, and fits on numpy and pandas."""
import os
import random
import signal
import subprocess
import tempfile
import unittest

import numpy as np
import pandas as pd
from distributed import Client, LocalCluster

import kora
import kora.dask

RECIPE = '{"model": "arma", "p": 1, "q": 1, "mean_correction": true, "horizon": 4}'


def write_input(path, count):
    rng = random.Random(7)
    with open(path, "w") as out:
        out.write("series,time,value\n")
        for s in range(count):
            x = shock = 0.0
            for t in range(60):
                e = rng.gauss(0, 1)
                x, shock = 0.5 * x + e + 0.3 * shock, e
                out.write(f"s{s:03d},{t},{x + 5:.6f}\n")
        out.write("bad,1,2\nbad,2,oops\n")


class DaskTest(unittest.TestCase):
    @classmethod
    def path(cls, name):
        return os.path.join(cls.dir.name, name)

    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        with open(cls.path("recipe.json"), "w") as file:
            file.write(RECIPE)
        write_input(cls.path("in.csv"), 120)
        subprocess.run([os.environ["KORA_BINARY"], "batch", cls.path("recipe.json"), cls.path("in.csv"),
                        cls.path("expected.csv")], check=True, capture_output=True)
        with open(cls.path("expected.csv"), "rb") as file:
            cls.expected = file.read()
        cls.cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None)
        cls.client = Client(cls.cluster)

    @classmethod
    def tearDownClass(cls):
        cls.client.close()
        cls.cluster.close()
        cls.dir.cleanup()

    def run_dask(self, output, on_written=None):
        return kora.dask.run(self.path("recipe.json"), self.path("in.csv"), output, self.client, chunk=8,
                             on_written=on_written)

    def test_two_workers_write_what_kora_batch_writes(self):
        output = self.path("dask.csv")
        self.assertEqual(self.run_dask(output), 121)
        with open(output, "rb") as file:
            self.assertEqual(file.read(), self.expected)

    def test_a_worker_killed_mid_run_loses_and_repeats_nothing(self):
        output = self.path("killed.csv")
        killed = []

        def kill_one(written):
            if not killed and written >= 16:
                victim = sorted(self.client.scheduler_info()["workers"])[0]
                killed.append(victim)
                pid = self.client.run(os.getpid, workers=[victim])[victim]
                os.kill(pid, signal.SIGKILL)

        self.run_dask(output, on_written=kill_one)
        self.assertTrue(killed)
        with open(output, "rb") as file:
            self.assertEqual(file.read(), self.expected)

    def test_numpy_and_pandas_give_the_batch_numbers(self):
        frame = pd.read_csv(self.path("in.csv"), dtype={"series": str})
        frame = frame[frame.series != "bad"]
        fitted = kora.batch_frame(frame, RECIPE)
        expected = pd.read_csv(self.path("expected.csv"), dtype={"series": str, "message": str})
        expected = expected[expected.series != "bad"].reset_index(drop=True)
        pd.testing.assert_frame_equal(fitted, expected, check_dtype=False)  # the bad row made some columns float
        one = frame[frame.series == "s000"].value.to_numpy()
        result = kora.fit(one, RECIPE)
        self.assertAlmostEqual(result["coefficients"][0], expected.phi_1[0], places=9)
        forecast, lower, upper = kora.forecast(one, RECIPE)
        self.assertTrue(np.all(lower < forecast) and np.all(forecast < upper))
        with self.assertRaisesRegex(ValueError, "series too short"):
            kora.fit(np.array([1.0, 2.0]), RECIPE)
        with self.assertRaisesRegex(ValueError, "unknown key"):
            kora.fit(one, {"model": "arar", "order": 2})


if __name__ == "__main__":
    unittest.main()
