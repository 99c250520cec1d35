"""KORA's engine for many series: fit, forecast and batch on numpy arrays and pandas frames.

A recipe is a dict (or its JSON text) as `kora batch` reads it, for example
{"model": "arma", "p": 1, "q": 1, "mean_correction": True, "horizon": 12}.
"""
import io
import json

import numpy as np

from . import _kora


def recipe_text(recipe):
    return recipe if isinstance(recipe, str) else json.dumps(recipe)


def fit(values, recipe):
    """Fits one series; a dict of coefficients, sigma2, aicc, tests, forecast, lower and upper."""
    return _kora.fit(recipe_text(recipe), np.asarray(values, dtype=float))


def forecast(values, recipe):
    """The forecasts of one series and their 95% bounds in the data's units."""
    result = fit(values, recipe)
    return result["forecast"], result["lower"], result["upper"]


def batch(recipe_path, input_path, output_path, threads=0):
    """`kora batch` on files: the same output, resumable; returns its summary line."""
    return _kora.batch(recipe_path, input_path, output_path, threads)


def batch_frame(frame, recipe, id="series", time="time", value="value", threads=0):
    """Every series of a long pandas frame through the recipe: a frame with kora batch's columns."""
    import pandas as pd

    text = recipe_text(recipe)
    items = [(str(key), group.sort_values(time)[value].to_numpy(dtype=float).tolist(), "")
             for key, group in frame.groupby(id, sort=False)]
    return pd.read_csv(io.StringIO(_kora.header(text) + _kora.lines(text, items, threads)),
                       dtype={"series": str, "message": str})
